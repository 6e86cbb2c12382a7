// SPDX-License-Identifier: MIT
// Pixels kept off the window: framebuffer objects, the copy of the window, drawing them back.
#pragma once

#include <functional>

#include "render/draw_path.h"

// A framebuffer object drawn into the same way up as the window
// (GL_MESA_framebuffer_flip_y) with a colour texture: for a copy of the
// window (`windowCopy`) stored as the window is, with a depth buffer in the
// window's format; else texels to be drawn back by sampling. Names are 0
// until made.
struct Framebuffer {
    unsigned int framebuffer = 0, colour = 0, depth = 0;
    // The flip stores rows as the window does, top first, so the colour
    // texture's rows read upside down. WebGL has no flip: it draws into
    // framebuffers and the canvas alike, bottom row first.
    bool rowsUpsideDown = true;

    // False, with nothing left made, when the driver refuses.
    bool make(int width, int height, bool windowCopy);
    void release();
};

class FrameStore {
public:
    // Makes room for the current viewport; false when the driver refuses.
    // `tryCopy`: also makes one copy, which finds a refused depth format for
    // certain (the first copy costs the driver some set-up time).
    bool allocate(DrawPath path, bool tryCopy = true);
    void release();
    // Allocated for the viewport as it stands now.
    bool fitsViewport() const;
    // The window's back buffer into the copy.
    void store();
    // The copy back into the window. The texture copy holds colour only:
    // `drawDepth` then redraws the same geometry into the depth buffer alone.
    // Leaves the draw state as it found it.
    void restore(const std::function<void()>& drawDepth);

private:
    DrawPath path = DrawPath::Plain;
    int x = 0, y = 0, width = 0, height = 0;
    Framebuffer copy;          // FramebufferBlit
    unsigned int texture = 0;  // TextureCopy
    int textureWidth = 0, textureHeight = 0;
};

// Draws `texture` texel for pixel over the viewport (its lower left sMax by
// tMax part), with the current colour, environment and blending.
void drawTexelForPixel(unsigned int texture, float sMax, float tMax);
// Binds `texture` and runs `emitQuads` between glBegin(GL_QUADS) and glEnd
// with both matrices at identity, so vertices are in window units of -1..1;
// leaves texture 0 bound.
void drawWindowQuads(unsigned int texture, const std::function<void()>& emitQuads);
