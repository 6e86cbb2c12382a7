// SPDX-License-Identifier: MIT
// Pad buttons and sticks to the player's actions, with held-key repeats.
#include "app/pad_input.h"

#include <algorithm>
#include <cstdio>

#include "app/game_actions.h"

namespace {
// A resting stick is rarely at 0; a half tilt is a clear intent.
constexpr float kDeadZone = 0.5f;
constexpr float kTriggerDown = 0.5f;
// As a held key repeats on most desktops.
constexpr long kFirstRepeatMs = 500;
constexpr long kRepeatMs = 40;  // 25 a second
// A long frame hands out at most this many repeats, not a burst.
constexpr int kMostRepeatsAFrame = 3;
}  // namespace

std::array<bool, PadInput::kControls> PadInput::controlsOf(const PadState& p) {
    using A = PadAxis;
    using B = PadButton;
    return {
        p.axis(A::LeftX) < -kDeadZone || p.pressed(B::DpadLeft),
        p.axis(A::LeftX) > kDeadZone || p.pressed(B::DpadRight),
        p.axis(A::RightY) < -kDeadZone || p.pressed(B::LeftShoulder),
        p.axis(A::RightY) > kDeadZone || p.pressed(B::RightShoulder),
        p.pressed(B::South) || p.pressed(B::DpadUp),
        p.axis(A::RightTrigger) > kTriggerDown || p.pressed(B::West),
        p.pressed(B::Start) && !p.onScreen,
        p.pressed(B::Back),
        p.pressed(B::Start) && p.onScreen,
    };
}

void PadInput::notice(const std::vector<PadState>& pads) {
    std::vector<std::pair<int, std::string>> now;
    for (const PadState& p : pads)
        if (!p.onScreen) now.emplace_back(p.id, p.name);
    for (const auto& pad : known_)
        if (std::find(now.begin(), now.end(), pad) == now.end())
            std::printf("Gamepad removed: %s\n", pad.second.c_str());
    for (const auto& pad : now)
        if (std::find(known_.begin(), known_.end(), pad) == known_.end())
            std::printf("Gamepad: %s\n", pad.second.c_str());
    if (now != known_) std::fflush(stdout);
    known_ = now;
}

void PadInput::act(Control control) {
    switch (control) {
    case Left: performAction(GameAction::DriveLeft); break;
    case Right: performAction(GameAction::DriveRight); break;
    case TurretUp: performAction(GameAction::TurretUp); break;
    case TurretDown: performAction(GameAction::TurretDown); break;
    case Jump: performAction(GameAction::Jump); break;
    case Fire: performAction(GameAction::Fire); break;
    case Start: performAction(inAGame() ? GameAction::Pause : GameAction::Confirm); break;
    case Back: performAction(GameAction::Back); break;
    case Tap: performAction(GameAction::PlayOn); break;
    case kControls: break;
    }
}

void PadInput::frame(const std::vector<PadState>& pads, long nowMs, bool focused) {
    notice(pads);
    std::array<bool, kControls> down{};
    if (focused) {
        for (const PadState& p : pads) {
            const auto c = controlsOf(p);
            for (int i = 0; i < kControls; ++i) down[i] = down[i] || c[i];
        }
    }
    for (int i = 0; i < kControls; ++i) {
        Held& h = held_[i];
        const Control control = static_cast<Control>(i);
        // The turret turns 45 degrees a press: repeated, it would swing to its stop at once.
        const bool repeats = control == Left || control == Right || control == Fire;
        if (down[i] && !h.down) {
            act(control);
            h.nextAt = nowMs + (control == Fire ? kRepeatMs : kFirstRepeatMs);
        } else if (down[i] && repeats) {
            int count = 0;
            for (; nowMs >= h.nextAt && count < kMostRepeatsAFrame; ++count) {
                act(control);
                h.nextAt += kRepeatMs;
            }
            if (nowMs >= h.nextAt) h.nextAt = nowMs + kRepeatMs;
        }
        h.down = down[i];
    }
}
