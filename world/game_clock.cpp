// SPDX-License-Identifier: MIT
// The steady millisecond clock and sleep that the frame cap rests on.
#include "world/game_clock.h"

#include <chrono>
#include <thread>

GameClock GameClock::steady() {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    GameClock clock;
    clock.nowMs = [start] {
        return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - start).count());
    };
    clock.sleepMs = [](int ms) { std::this_thread::sleep_for(milliseconds(ms)); };
    return clock;
}
