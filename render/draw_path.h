// SPDX-License-Identifier: MIT
// Which of the pixel-identical ways of drawing a frame the game takes.
#pragma once

// Plain: every layer drawn afresh each frame, exactly as described.
// TextureCopy: still back layers kept in a texture (OpenGL 1.1) and put back
//   with a textured quad and a depth-only pass.
// FramebufferBlit: still back layers and the menu picture kept in framebuffer
//   objects, put back with a straight copy (needs OpenGL 3.0 and
//   GL_MESA_framebuffer_flip_y).
// Every path gives the same pixels; the two caching ones do less work.
enum class DrawPath { Plain, TextureCopy, FramebufferBlit };

// Probes the current context and takes the best path it supports. Called
// once the window exists.
DrawPath chooseDrawPath();
// Whether the current context can take `path`.
bool drawPathSupported(DrawPath path);
// For tests and benchmarks: takes `path` if supported, else Plain, and
// returns the path taken. Each path keeps caches of its own, so paths can be
// switched between frames.
DrawPath forceDrawPath(DrawPath path);
// Frees every path's caches and what they learnt of the pictures (which may
// be gone).
void dropDrawCaches();
DrawPath drawPath();
// True when the caching paths' draw-state choices apply.
inline bool drawOptimised() { return drawPath() != DrawPath::Plain; }
const char* drawPathName(DrawPath path);

// The caching paths' techniques, each on unless a benchmark turns it off to
// weigh it. Every combination gives the same pixels.
struct DrawTechniques {
    bool backLayerCache = true;
    bool replaceForWhite = true;
    bool opaqueBackdrop = true;
    bool meshesWithoutBlend = true;
    bool overlayWithoutDepthTest = true;
    bool overlayCache = true;
    bool groundHiddenRows = true;
    bool mountainsFirst = true;
    bool textureKeptBeforePop = true;
    bool overlayBlocks = true;
};
DrawTechniques& drawTechniques();
