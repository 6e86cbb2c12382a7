// SPDX-License-Identifier: MIT
// Keeping and restoring the still back layers.
#include "render/back_layer_cache.h"

bool BackLayerCache::restore(const ViewKey& key, const std::function<void()>& drawDepth) {
    if (!valid || key != kept) return false;
    store.restore(drawDepth);
    last = key;
    ++hits;
    return true;
}

void BackLayerCache::offer(const ViewKey& key, DrawPath path) {
    const bool still = key == last;
    last = key;
    if (!still) return;
    if (!store.fitsViewport() && !store.allocate(path)) return;
    store.store();
    kept = key;
    valid = true;
}

void BackLayerCache::reset() {
    store.release();
    valid = false;
    kept = last = ViewKey{};
    hits = 0;
}
