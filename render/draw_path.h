// SPDX-License-Identifier: MIT
// The pixel-identical ways of drawing a frame, and which of them the driver offers.
#pragma once

// Plain: every layer drawn afresh each frame, exactly as described.
// TextureCopy: still back layers kept in a texture (OpenGL 1.1) and put back
//   with a textured quad and a depth-only pass.
// FramebufferBlit: still back layers and the menu picture kept in framebuffer
//   objects, put back with a straight copy (needs OpenGL 3.0 and
//   GL_MESA_framebuffer_flip_y).
// Every path gives the same pixels; the two caching ones do less work.
enum class DrawPath { Plain, TextureCopy, FramebufferBlit };

// Whether the current context is OpenGL ES (WebGL 2 in the browser).
bool openGlEsContext();
// Whether the current context can take `path`.
bool drawPathSupported(DrawPath path);
// How `path` keeps the back layers: as it keeps everything, but in the
// browser (OpenGL ES) the framebuffer path keeps them by texture copy,
// where a blit of colour and depth costs a software renderer more than
// drawing the layers afresh.
DrawPath backLayerStoreOf(DrawPath path);
const char* drawPathName(DrawPath path);

// The caching paths' techniques, each on unless a benchmark turns it off to
// weigh it. Every combination gives the same pixels.
struct DrawTechniques {
    bool backLayerCache = true;
    bool overlayCache = true;
    bool overlayWithoutDepthTest = true;
    bool overlayBlocks = true;
    bool opaqueBackdrop = true;
    bool meshesWithoutBlend = true;
    bool replaceForWhite = true;
    bool textureKeptBeforePop = true;
};
