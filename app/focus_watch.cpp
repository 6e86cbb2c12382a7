// SPDX-License-Identifier: MIT
// Noticing that the game's window lost the keyboard.
#include "app/focus_watch.h"

bool FocusWatch::lost(WindowFocus now) {
    if (now == WindowFocus::Unknown) return false;
    const bool was = ours_;
    ours_ = now == WindowFocus::Ours;
    return was && !ours_;
}
