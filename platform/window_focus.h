// SPDX-License-Identifier: MIT
#pragma once

// Whether the game's window has the keyboard: on Linux the X input focus
// (the window of the current GLX drawable), on Windows the foreground window
// (the window of the current WGL device context), in the browser the page
// shown and its canvas focused. Unknown where the system cannot say, as with
// X's pointer-root focus. Needs the game's GL context current.
enum class WindowFocus { Ours, Elsewhere, Unknown };

WindowFocus windowFocus();
