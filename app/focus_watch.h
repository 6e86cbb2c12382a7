// SPDX-License-Identifier: MIT
#pragma once

#include "platform/window_focus.h"

// Tells when the game's window loses the keyboard, from one reading a frame:
// only a change from ours to another's that lasts kSettleFrames readings
// counts, so a window that never had the keyboard (started behind another,
// or under X's pointer-root focus) is not taken as left, nor one that the
// window system takes the keyboard from for a moment.
class FocusWatch {
public:
    static constexpr int kSettleFrames = 6;  // a tenth of a second

    // True on the frame the keyboard went elsewhere.
    bool lost(WindowFocus now);
    // Whether the keyboard was ours at the last reading that could tell.
    bool ours() const { return ours_; }
    // True while the keyboard, once ours, is known to be elsewhere; a window
    // that never had it is not taken as left.
    bool elsewhere() const { return hadIt_ && !ours_; }

private:
    bool ours_ = false;
    int away_ = 0;
    bool hadIt_ = false;
};
