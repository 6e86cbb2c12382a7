// SPDX-License-Identifier: MIT
// Answers --help and --version before any window is opened.
#include "app/command_line.h"

#include <cstring>

#include "app/version.h"
#include "platform/kept_file.h"

namespace {

std::string helpText() {
    return R"(Usage: krellwick [toolkit options]
       krellwick --help | --version

A night-time side-scrolling arcade shooter. Keys:
  Space   start a game from the start screen; fire
  Esc     leave a game; quit from the start and death screens
  a, d    drive left, right
  w       jump
  k, l    turn the turret up, down
  F11     fullscreen and back (Alt+Enter too); the picture keeps its shape
  p       pause and play on (a game also pauses when its window loses
          the keyboard)
Letter keys act in lower case only.

A gamepad plays too, beside the keys, plugged in before or during a game:
  left stick, d-pad left/right    drive left, right
  A (Cross), d-pad up             jump
  right stick up/down, LB / RB    turn the turret up, down
  right trigger, X (Square)       fire
  Start                           start a game from a menu; pause and resume
  Back (Select)                   as Esc
Held, driving and fire repeat as a held key does.

The terminal the game is started from is its scoreboard: it lists the assets
as they load, then keeps showing the keys, the frame rate, the score and the
best score. The best score is kept in
  )" + keptPlace("best-score") + R"(
(delete it to forget it).

Other arguments go to the windowing toolkit (freeglut), for example:
  -display DISPLAY   the X display to open the window on
  -sync              synchronous X calls, for debugging
  -gldebug           report OpenGL errors after every frame

  --help     show this help and exit
  --version  show the version and exit
)";
}

}  // namespace

std::optional<std::string> commandLineReply(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) return helpText();
        if (std::strcmp(argv[i], "--version") == 0)
            return std::string("krellwick ") + kKrellwickVersion + "\n";
    }
    return std::nullopt;
}
