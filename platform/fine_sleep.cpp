// SPDX-License-Identifier: MIT
// A millisecond sleep that the frame cap can rest on.
#include "platform/fine_sleep.h"

#ifdef _WIN32
#include <windows.h>
#include <timeapi.h>

#include <cstdlib>
#elif !defined(__EMSCRIPTEN__)
#include <chrono>
#include <thread>
#endif

#ifdef _WIN32
void holdFineTimerResolution() {
    // freeglut asks for the same in glutInit, but only as a side effect of
    // its own; the game's cap must not depend on that. Asked once, given back
    // at exit.
    static const bool held = [] {
        if (timeBeginPeriod(1) != TIMERR_NOERROR) return false;
        std::atexit([] { timeEndPeriod(1); });
        return true;
    }();
    (void)held;
}

void sleepMilliseconds(int ms) {
    if (ms > 0) Sleep(static_cast<DWORD>(ms));
}
#elif defined(__EMSCRIPTEN__)
void holdFineTimerResolution() {}

// A sleep on the browser's main thread spins and holds the page up; there the
// main loop skips animation frames instead (platform/main_loop.h).
void sleepMilliseconds(int) {}
#else
void holdFineTimerResolution() {}

void sleepMilliseconds(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
#endif
