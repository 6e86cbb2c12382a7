// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// A millisecond clock counting real elapsed time, and a sleep. The frame cap
// rests on both; tests drive them by hand.
struct GameClock {
    std::function<long()> nowMs;
    std::function<void(int)> sleepMs;

    static GameClock steady();
};
