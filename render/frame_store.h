// SPDX-License-Identifier: MIT
// A copy of the window's colour and depth over the viewport, to put back later.
#pragma once

#include <functional>

#include "render/draw_path.h"

class FrameStore {
public:
    // Makes room for the current viewport; false when the driver refuses.
    // `tryCopy`: also makes one copy, which finds a refused depth format for
    // certain (the first copy costs the driver some set-up time).
    bool allocate(DrawPath path, bool tryCopy = true);
    void release();
    bool allocated() const { return path != DrawPath::Plain; }
    // Allocated for the viewport as it stands now.
    bool fitsViewport() const;
    // The window's back buffer into the copy.
    void store();
    // The copy back into the window. The texture copy holds colour only:
    // `drawDepth` then redraws the same geometry into the depth buffer alone.
    void restore(const std::function<void()>& drawDepth);

private:
    DrawPath path = DrawPath::Plain;
    int x = 0, y = 0, width = 0, height = 0;
    unsigned int framebuffer = 0, colour = 0, depth = 0;  // FramebufferBlit
    unsigned int texture = 0;                             // TextureCopy
    int textureWidth = 0, textureHeight = 0;
};

// The depth format that matches the window's, for a straight depth copy.
unsigned int windowDepthFormat();
// Draws `texture` texel for pixel over the viewport (its lower left sMax by
// tMax part; rows in reverse when `upsideDown`), with the current colour,
// environment and blending.
void drawTexelForPixel(unsigned int texture, float sMax, float tMax, bool upsideDown = false);
// Binds `texture` and runs `emitQuads` between glBegin(GL_QUADS) and glEnd
// with both matrices at identity, so vertices are in window units of -1..1.
void drawWindowQuads(unsigned int texture, const std::function<void()>& emitQuads);
