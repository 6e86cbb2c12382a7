// SPDX-License-Identifier: MIT
// The steady millisecond clock and sleep that the frame cap rests on.
#include "world/game_clock.h"

#include <chrono>

#include "platform/fine_sleep.h"

GameClock GameClock::steady() {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    GameClock clock;
    clock.nowMs = [start] {
        return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - start).count());
    };
    clock.sleepMs = sleepMilliseconds;
    return clock;
}
