// SPDX-License-Identifier: MIT
// Hands the memory the allocator keeps after frees back to the system, in the frame cap's sleep.
#include "app/memory_trim.h"

#include <utility>

#include "platform/memory_release.h"

namespace {
constexpr int kFramesBetweenTrims = 120;
constexpr int kLongestWait = 600;
}  // namespace

MemoryTrim& memoryTrim() {
    static MemoryTrim trim;
    return trim;
}

void MemoryTrim::trimNow() {
    releaseFreedMemory();
    framesSinceTrim = 0;
}

void MemoryTrim::frameDone() {
    if (++framesSinceTrim >= kLongestWait) trimNow();
}

void MemoryTrim::sleep(const GameClock& clock, int ms) {
    if (framesSinceTrim >= kFramesBetweenTrims) {
        const long start = clock.nowMs();
        trimNow();
        ms -= static_cast<int>(clock.nowMs() - start);
    }
    if (ms > 0) clock.sleepMs(ms);
}

GameClock trimmingInSleep(GameClock clock, MemoryTrim& trim) {
    GameClock trimming = clock;
    trimming.sleepMs = [clock = std::move(clock), &trim](int ms) { trim.sleep(clock, ms); };
    return trimming;
}
