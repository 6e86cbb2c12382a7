// SPDX-License-Identifier: MIT
// Taking a drawing path and framing its quads.
#include "render/draw_caches.h"

DrawPath DrawCaches::choosePath() {
    if (openGlEsContext()) {
        // WebGL's software renderer interpolates a white vertex colour to
        // a shade under 1 here and there, so a texel times white is not
        // always the texel; and reading the kept menu picture back to
        // find its empty blocks stalls the page for a quarter of a second.
        techniques.replaceForWhite = false;
        techniques.overlayBlocks = false;
    }
    for (DrawPath path : {DrawPath::FramebufferBlit, DrawPath::TextureCopy}) {
        if (forceDrawPath(path) == path) return path;
    }
    return forceDrawPath(DrawPath::Plain);
}

DrawPath DrawCaches::forceDrawPath(DrawPath path) {
    const DrawPath taken = drawPathSupported(path) ? path : DrawPath::Plain;
    if (taken != current) release();
    current = taken;
    backLayerPath = backLayerStoreOf(taken);
    return current;
}

void DrawCaches::release() {
    backLayers.reset();
    overlay.reset();
}

QuadDrawer& DrawCaches::beginFrame() {
    if (current == DrawPath::Plain) return plainQuads();
    quads.forget();
    return quads;
}

void DrawCaches::endFrame() {
    if (current != DrawPath::Plain) quads.endFrame();
}
