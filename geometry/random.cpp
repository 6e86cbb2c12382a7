// SPDX-License-Identifier: MIT
// The game's per-thread random generator.
#include "geometry/random.h"

#include <cstdint>

namespace {
constexpr std::uint32_t kMultiplier = 1103515245u;
constexpr std::uint32_t kIncrement = 12345u;
constexpr std::uint32_t kMainStart = 1;

// The state `draws` steps after `state`, by repeated squaring of the step.
constexpr std::uint32_t stateAfter(std::uint32_t state, std::uint64_t draws) {
    std::uint32_t multiplier = kMultiplier, increment = kIncrement;
    while (draws > 0) {
        if (draws & 1) state = state * multiplier + increment;
        increment = increment * multiplier + increment;
        multiplier = multiplier * multiplier;
        draws >>= 1;
    }
    return state;
}

// The worker starts a billion draws along the main thread's sequence, far
// from any power of two (whose offsets only flip single bits of the result):
// for many hours of play neither thread comes near the draws the other has
// used, so no mountain segment or cloud repeats another.
constexpr std::uint32_t kWorkerStart = stateAfter(kMainStart, 1000000000);

// The classic portable linear congruential generator: small, fast and the
// same on every platform.
thread_local std::uint32_t randomState = kMainStart;
}  // namespace

int gameRand() {
    randomState = randomState * kMultiplier + kIncrement;
    return static_cast<int>((randomState / 65536u) % 32768u);
}

float randUnit() { return static_cast<float>(gameRand()) / 32767.0f; }

void restartRandom() { randomState = kMainStart; }

void startWorkerRandom() { randomState = kWorkerStart; }

unsigned int randomSnapshot() { return randomState; }

void restoreRandom(unsigned int state) { randomState = state; }
