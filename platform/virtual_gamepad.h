// SPDX-License-Identifier: MIT
#pragma once

#include "platform/gamepad.h"

// A pad made inside the process (SDL's virtual joystick), so tests can drive
// the desktop's real pad path with no device. Needs startGamepads() first.
// Not in the browser build.
class VirtualGamepad {
public:
    explicit VirtualGamepad(const char* name);
    ~VirtualGamepad();
    VirtualGamepad(const VirtualGamepad&) = delete;
    VirtualGamepad& operator=(const VirtualGamepad&) = delete;

    bool attached() const { return index_ >= 0; }
    void press(PadButton button, bool down);
    // value as readGamepads reports it: -1 to 1, triggers 0 to 1.
    void tilt(PadAxis axis, float value);
    // Pulls the pad out, as a cable would.
    void detach();

private:
    int index_ = -1;
    void* joystick_ = nullptr;
};
