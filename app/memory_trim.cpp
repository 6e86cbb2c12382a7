// SPDX-License-Identifier: MIT
// Hands the memory the allocator keeps after frees back to the system, now and then.
#include "app/memory_trim.h"

#include <malloc.h>

namespace {
constexpr int kFramesBetweenTrims = 600;
int framesSinceTrim = 0;
}  // namespace

void trimFreedMemory() {
    if (++framesSinceTrim < kFramesBetweenTrims) return;
    framesSinceTrim = 0;
    malloc_trim(0);
}
