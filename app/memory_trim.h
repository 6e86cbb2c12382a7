// SPDX-License-Identifier: MIT
// Gives the memory the allocator keeps after frees back to the system.
#pragma once

#include "world/game_clock.h"

// The software renderer allocates and frees megabytes a frame while it sorts
// many small quads; the C library keeps those freed chunks scattered through
// its heap, and in long play the resident size crept up although the memory
// in use stayed flat. So the freed memory goes back every 120 frames (about
// two seconds), in the frame cap's sleep, where it delays no frame: a trim
// takes 0 to 2 ms and a frame has 3 to 7 ms to spare.
struct MemoryTrim {
    int framesSinceTrim = 0;

    // Called once a frame. A machine too slow to ever sleep trims here every
    // 600 frames instead.
    void frameDone();
    // The frame cap's sleep: trims first when a trim is due, then sleeps
    // only what is left.
    void sleep(const GameClock& clock, int ms);
    void trimNow();
};

MemoryTrim& memoryTrim();
// `clock` with a sleep that goes through `trim`.
GameClock trimmingInSleep(GameClock clock, MemoryTrim& trim);
