// SPDX-License-Identifier: MIT
#pragma once

// The game's own random numbers: 0 to 32767, never seeded, so every run deals
// the same sequence. Each thread has its own state, so the background
// worker's draws never disturb the main thread's sequence.
constexpr int kRandMax = 32767;

int gameRand();

// r = gameRand() / 32767 in single precision, 0 to 1 inclusive.
float randUnit();

// Puts this thread's generator back to its start state, as on a fresh thread.
// Tests use it to replay a sequence; the game never calls it.
void restartRandom();

// Puts this thread's generator at the background worker's own fixed start,
// far from the main thread's, so the worker never deals the main thread's
// numbers again (a new mountain segment would copy the first one).
void startWorkerRandom();

// This thread's generator state, and setting it back: tests draw one frame
// several times from the same point of the sequence.
unsigned int randomSnapshot();
void restoreRandom(unsigned int state);
