// SPDX-License-Identifier: MIT
// Keeping and restoring the still back layers.
#include "render/back_layer_cache.h"

BackLayerCache& backLayerCache() {
    // One per path, so tests can switch paths between frames; never
    // destroyed, as the context may be gone at exit.
    static BackLayerCache* caches = new BackLayerCache[3];
    return caches[static_cast<int>(drawPath())];
}

bool BackLayerCache::restore(const ViewKey& key, const std::function<void()>& drawDepth) {
    if (!valid || key != kept) return false;
    store.restore(drawDepth);
    last = key;
    ++hits;
    return true;
}

void BackLayerCache::offer(const ViewKey& key) {
    const bool still = key == last;
    last = key;
    if (!still) return;
    if (!store.fitsViewport() && !store.allocate(drawPath())) return;
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
