// SPDX-License-Identifier: MIT
// Key presses: the typed sequences first, then the action of the current state.
#include "app/keyboard.h"

#include <GL/glut.h>

#include <cctype>
#include <cstdio>

#include "app/camera.h"
#include "app/game_actions.h"
#include "app/hidden_modes.h"
#include "app/window_mode.h"
#include "world/model_manager.h"

SequenceMatcher tintSequence{"GRANITE", 7};
SequenceMatcher freeCameraSequence{"LETMESEEITALLNOW", 16};

std::function<void(bool on)> switchMouseCallback = [](bool on) {
    glutMouseFunc(on ? mouseButtonCallback : nullptr);
};

bool SequenceMatcher::feed(unsigned char key) {
    const int upper = std::toupper(key);
    if (upper == static_cast<unsigned char>(letters[progress])) {
        ++progress;
    } else {
        progress = 0;
    }
    if (progress == length) {
        progress = 0;
        return true;
    }
    return false;
}

namespace {
constexpr unsigned char kEnter = 13;
constexpr unsigned char kEsc = 27;
constexpr unsigned char kSpace = 32;

void feedSequences(unsigned char key) {
    if (tintSequence.feed(key)) tintMode = !tintMode;
    if (freeCameraSequence.feed(key)) {
        freeCameraMode = !freeCameraMode;
        switchMouseCallback(freeCameraMode);
        modelManager->shake.raiseTo(0.5f);
    }
}

}  // namespace

void handleKey(unsigned char key) {
    feedSequences(key);
    switch (key) {
    case kEsc: performAction(GameAction::Back); break;
    case kSpace: performAction(GameAction::Confirm); break;
    case 'a': performAction(GameAction::DriveLeft); break;
    case 'd': performAction(GameAction::DriveRight); break;
    case 'k': performAction(GameAction::TurretUp); break;
    case 'l': performAction(GameAction::TurretDown); break;
    case 'w': performAction(GameAction::Jump); break;
    case 'p': performAction(GameAction::Pause); break;
    default: break;
    }
}

void keyboardCallback(unsigned char key, int, int) {
    std::fflush(stdout);
    // Windows' own key for fullscreen; Enter alone does nothing in the game.
    if (key == kEnter && (glutGetModifiers() & GLUT_ACTIVE_ALT)) {
        toggleFullscreen();
        return;
    }
    handleKey(key);
}

void specialKeyCallback(int key, int, int) {
    if (key == GLUT_KEY_F11) toggleFullscreen();
}
