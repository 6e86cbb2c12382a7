// SPDX-License-Identifier: MIT
#pragma once

#include "platform/window_focus.h"

// Tells when the game's window loses the keyboard, from one reading a frame:
// only a change from ours to another's counts, so a window that never had
// the keyboard (started behind another, or under X's pointer-root focus)
// is not taken as left.
class FocusWatch {
public:
    // True on the frame the keyboard went elsewhere.
    bool lost(WindowFocus now);
    // Whether the keyboard was ours at the last reading that could tell.
    bool ours() const { return ours_; }

private:
    bool ours_ = false;
};
