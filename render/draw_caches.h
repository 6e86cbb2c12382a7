// SPDX-License-Identifier: MIT
// The one owner of drawing's speed work: the path taken and all it keeps.
#pragma once

#include "render/back_layer_cache.h"
#include "render/draw_path.h"
#include "render/overlay_cache.h"
#include "render/quad_state.h"

// Made once the window exists and handed to the scene drawing; Plain until a
// path is taken. What it keeps is its own, so a test or benchmark can hold
// one per path and draw the same world with each in turn.
class DrawCaches {
public:
    DrawCaches() = default;
    DrawCaches(const DrawCaches&) = delete;
    DrawCaches& operator=(const DrawCaches&) = delete;
    ~DrawCaches() { release(); }

    // Takes the best path the current context supports.
    DrawPath choosePath();
    // For tests and benchmarks: takes `path` if supported, else Plain, and
    // returns the path taken.
    DrawPath forceDrawPath(DrawPath path);
    DrawPath path() const { return current; }
    // How the back layers are kept on this path (backLayerStoreOf).
    DrawPath backLayerStore() const { return backLayerPath; }
    // Frees what the caches keep.
    void release();

    // The quads of one frame: the plain primitive, or on a caching path the
    // quads that keep their draw state until endFrame.
    QuadDrawer& beginFrame();
    void endFrame();

    DrawTechniques techniques;
    BackLayerCache backLayers;
    OverlayCache overlay{techniques};
    QuadState quads{techniques};

private:
    DrawPath current = DrawPath::Plain;
    DrawPath backLayerPath = DrawPath::Plain;
};
