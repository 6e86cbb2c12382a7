// SPDX-License-Identifier: MIT
#pragma once

// The frame cap sleeps a few milliseconds a frame, so the system's timer must
// wake the game within a millisecond. Windows ticks every 15.6 ms unless a
// program asks for finer: this asks for 1 ms for the rest of the process's
// life (elsewhere sleeps are fine-grained already and it does nothing).
void holdFineTimerResolution();

// Sleeps the calling thread for `ms` milliseconds (nothing for 0 or less).
// Nothing at all in the browser, whose main thread may not sleep.
void sleepMilliseconds(int ms);
