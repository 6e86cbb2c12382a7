// SPDX-License-Identifier: MIT
// Taking a drawing path and framing its quads.
#include "render/draw_caches.h"

DrawPath DrawCaches::choosePath() {
    for (DrawPath path : {DrawPath::FramebufferBlit, DrawPath::TextureCopy}) {
        if (forceDrawPath(path) == path) return path;
    }
    return forceDrawPath(DrawPath::Plain);
}

DrawPath DrawCaches::forceDrawPath(DrawPath path) {
    const DrawPath taken = drawPathSupported(path) ? path : DrawPath::Plain;
    if (taken != current) release();
    current = taken;
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
