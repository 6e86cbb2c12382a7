// SPDX-License-Identifier: MIT
// The quads of one frame on a caching path, drawn with the texture binding kept between them.
#pragma once

#include "render/draw_path.h"
#include "render/quad.h"

// Between beginFrame and endFrame a quad binds its texture only when it
// changes, and keeps it bound when a matrix pop follows: the pop already
// keeps the quad a draw of its own (merged draws split their quads
// differently and round some texels apart), and the next quad of the same
// picture binds nothing. Any other quad unbinds its texture, as drawQuad does.
class QuadState : public QuadDrawer {
public:
    explicit QuadState(const DrawTechniques& techniques) : techniques(techniques) {}

    void beginFrame() { forget(); }
    // Leaves texture 0 bound, as after a plain frame.
    void endFrame() { bind(0); }
    // Something else changed the binding.
    void forget() { bound = ~0u; }
    void draw(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha, bool popFollows) override;
    void unbind() override { bind(0); }

private:
    void bind(unsigned int texture);

    const DrawTechniques& techniques;
    unsigned int bound = ~0u;  // ~0: not known
};
