// SPDX-License-Identifier: MIT
// The backdrop, night sky and moon, kept as the pixels they leave while the view holds still.
#pragma once

#include <functional>

#include "render/frame_store.h"
#include "render/view_key.h"

// The three back layers are the first things drawn after the clear, so the
// colour and depth they leave depend only on the view key; a menu or a
// settled death screen draws them identically frame after frame.
class BackLayerCache {
public:
    // Puts the layers back when they were kept for `key`; true then.
    bool restore(const ViewKey& key, const std::function<void()>& drawDepth);
    // After the layers were drawn afresh for `key`: keeps them, as `path`
    // keeps pixels, once the view is the same two frames running (a shaking
    // view would only pay the copy).
    void offer(const ViewKey& key, DrawPath path);
    void reset();

    long hits = 0;  // frames put back from the copy

private:
    FrameStore store;
    ViewKey kept;
    ViewKey last;
    bool valid = false;
};
