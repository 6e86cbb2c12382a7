// SPDX-License-Identifier: MIT
#pragma once

// Where the main thread may not sleep (the browser), the frame cap skips
// animation frames instead: a frame runs when at least 1/60 s has passed since
// the last one ran, on a 1/60 s grid so that a display at 75 or 144 Hz still
// gives 60 updates a second. A frame that comes slightly early by the clock
// (the browser's callbacks jitter by a millisecond or so around the display's
// refresh) still runs; one more than a whole frame late restarts the grid
// rather than running catch-up frames.
class FrameGate {
public:
    // True when the frame at `nowMs` (milliseconds, any fixed origin) runs.
    bool due(double nowMs);

private:
    bool started = false;
    double nextMs = 0;
};
