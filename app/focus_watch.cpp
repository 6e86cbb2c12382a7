// SPDX-License-Identifier: MIT
// Noticing that the game's window lost the keyboard.
#include "app/focus_watch.h"

bool FocusWatch::lost(WindowFocus now) {
    if (now == WindowFocus::Unknown) return false;
    if (now == WindowFocus::Ours) {
        ours_ = true;
        hadIt_ = true;
        away_ = 0;
        return false;
    }
    // Elsewhere: counted only while the keyboard was ours, and taken as lost
    // once it has stayed away a few frames, past a window system handing it
    // round for a moment.
    if (!ours_ || ++away_ < kSettleFrames) return false;
    ours_ = false;
    away_ = 0;
    return true;
}
