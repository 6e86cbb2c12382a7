// SPDX-License-Identifier: MIT
// Key presses: the typed sequences first, then the action of the current state.
#include "app/keyboard.h"

#include <GL/glut.h>

#include <cctype>
#include <cstdio>

#include "app/camera.h"
#include "app/hidden_modes.h"
#include "app/sound_link.h"
#include "platform/main_loop.h"
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

void quit() {
    std::fflush(stdout);
    // exit would wait for the sound's start-up thread, and the process would
    // outlive the window; nothing of the game is left to save or close.
    endMainLoop(soundStarting());
}
}  // namespace

void handleKey(unsigned char key) {
    feedSequences(key);
    ModelManager& world = *modelManager;
    switch (world.gameState) {
    case InitialMenu:
        if (key == kEsc) quit();
        if (key == kSpace) world.switchState(EnteringPlay);
        break;
    case DeathMenu:
        if (key == kEsc) quit();
        if (key == kSpace) world.switchState(InitialMenu);
        break;
    case Playing:
        switch (key) {
        case kEsc: world.switchState(LeavingPlay); break;
        case kSpace: world.shoot(Fire); break;
        case 'a': world.act(MoveLeft); break;
        case 'd': world.act(MoveRight); break;
        case 'k': world.act(TurretUp); break;
        case 'l': world.act(TurretDown); break;
        case 'w': world.act(Jump); break;
        default: break;
        }
        break;
    default:
        break;
    }
}

void keyboardCallback(unsigned char key, int, int) {
    std::fflush(stdout);
    handleKey(key);
}
