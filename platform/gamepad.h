// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

// Every pad read in one layout, the browser's "standard" one: SDL's game
// controllers on the desktop, the Gamepad API in the browser.
enum class PadButton {
    South,  // A, Cross
    East,
    West,   // X, Square
    North,
    LeftShoulder,
    RightShoulder,
    Back,   // Back, Select, Share
    Start,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Count
};
// Sticks from -1 to 1, down and right positive; triggers from 0 to 1.
enum class PadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger, Count };

constexpr int kPadButtons = static_cast<int>(PadButton::Count);
constexpr int kPadAxes = static_cast<int>(PadAxis::Count);

struct PadState {
    int id = 0;  // the same while the pad stays connected
    std::string name;
    // The page's touch buttons, read as a pad: never announced, and its
    // Start (a tap on the game) only starts, continues or resumes.
    bool onScreen = false;
    std::array<bool, kPadButtons> buttons{};
    std::array<float, kPadAxes> axes{};

    bool pressed(PadButton b) const { return buttons[static_cast<int>(b)]; }
    float axis(PadAxis a) const { return axes[static_cast<int>(a)]; }
};

// Starts reading pads; false, after one console line, where the system
// cannot (the game then plays on with the keys alone). Call once.
bool startGamepads();
// Every connected pad as it is now; pads plugged in or pulled out since the
// last call come and go from the list. Call once a frame.
std::vector<PadState> readGamepads();
