// SPDX-License-Identifier: MIT
// The quads of one frame on a caching path, drawn with the draw state kept between them.
#pragma once

#include "render/draw_path.h"
#include "render/quad.h"

// From forget to endFrame a quad binds its texture and sets the
// texture environment only when they change, uses REPLACE for an opaque
// white quad (a texel times white is the texel) and keeps its texture bound
// when a matrix pop follows: the pop already keeps the quad a draw of its
// own (merged draws split their quads differently and round some texels
// apart), and the next quad of the same picture binds nothing. Any other
// quad unbinds its texture, as drawQuad does.
class QuadState : public QuadDrawer {
public:
    explicit QuadState(const DrawTechniques& techniques) : techniques(techniques) {}

    // Leaves texture 0 bound and the environment at MODULATE, as after a
    // plain frame.
    void endFrame();
    // Something else changed the binding or the environment.
    void forget() {
        envMode = 0;
        bound = ~0u;
    }
    void draw(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha, bool popFollows) override;
    // Texture 0 bound and, as their colours are opaque, no blending.
    void beginMeshes() override;
    void endMeshes() override;

private:
    void env(int mode);
    void bind(unsigned int texture);

    const DrawTechniques& techniques;
    int envMode = 0;           // 0: not known
    unsigned int bound = ~0u;  // ~0: not known
};
