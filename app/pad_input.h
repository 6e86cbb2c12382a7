// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/gamepad.h"

// Turns the pads' state, read once a frame, into the player's actions, the
// same the keys trigger, so keys and pads work at once:
//   left stick or d-pad left/right     drive (held: again after 500 ms, then 25 a second)
//   right stick up/down or shoulders   turn the turret up/down
//   south button (A, Cross), d-pad up  jump
//   right trigger or west button       fire (held: 25 a second)
//   Start                              play or continue from a menu; pause, resume
//   Back, Select                       as Esc
// The browser's touch buttons come as one more pad (PadState::onScreen).
// Only presses act, and the repeats of a held one. All pads count as one.
// Says on the console when a pad comes or goes.
class PadInput {
public:
    // `pads` as read this frame; `nowMs` a clock in milliseconds; `focused`
    // false while the game's window is known not to have the keyboard, when
    // the pads are taken as let go.
    void frame(const std::vector<PadState>& pads, long nowMs, bool focused);

private:
    enum Control { Left, Right, TurretUp, TurretDown, Jump, Fire, Start, Back, Tap, kControls };
    struct Held {
        bool down = false;
        long nextAt = 0;  // when a held control acts again
    };
    std::array<Held, kControls> held_{};
    // The pads seen last frame, by id and name, to tell who came and went.
    std::vector<std::pair<int, std::string>> known_;

    static std::array<bool, kControls> controlsOf(const PadState& pad);
    void notice(const std::vector<PadState>& pads);
    void act(Control control);
};
