// SPDX-License-Identifier: MIT
// Choosing which animation frames run a game update, at most 60 a second.
#include "platform/frame_gate.h"

namespace {
constexpr double kPeriodMs = 1000.0 / 60;
// Less than half of the shortest refresh period displays have (144 Hz: 6.9 ms).
constexpr double kEarlyMs = 2;
}  // namespace

bool FrameGate::due(double nowMs) {
    if (started && nowMs + kEarlyMs < nextMs) return false;
    nextMs = started ? nextMs + kPeriodMs : nowMs + kPeriodMs;
    if (nextMs < nowMs) nextMs = nowMs + kPeriodMs;
    started = true;
    return true;
}
