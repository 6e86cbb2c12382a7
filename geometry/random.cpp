#include "geometry/random.h"

#include <cstdint>

namespace {
// The classic portable linear congruential generator: small, fast and the
// same on every platform.
thread_local std::uint32_t randomState = 1;
}

int gameRand() {
    randomState = randomState * 1103515245u + 12345u;
    return static_cast<int>((randomState / 65536u) % 32768u);
}

float randUnit() { return static_cast<float>(gameRand()) / 32767.0f; }

void restartRandom() { randomState = 1; }

unsigned int randomSnapshot() { return randomState; }

void restoreRandom(unsigned int state) { randomState = state; }
