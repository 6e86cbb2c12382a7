// SPDX-License-Identifier: MIT
// The player's actions, acted on by game state.
#include "app/game_actions.h"

#include <cstdio>

#include "app/sound_link.h"
#include "platform/main_loop.h"
#include "world/model_manager.h"

namespace {
void quit() {
    std::fflush(stdout);
    // exit would wait for the sound's start-up thread, and the process would
    // outlive the window; nothing of the game is left to save or close.
    endMainLoop(soundStarting());
}
}  // namespace

bool inAGame() {
    return modelManager->gameState != InitialMenu && modelManager->gameState != DeathMenu;
}

void setPaused(bool paused) {
    ModelManager& world = *modelManager;
    if (paused == world.paused || (paused && !inAGame())) return;
    world.setPaused(paused);
    std::puts(paused ? "Paused: P or a gamepad's Start plays on" : "Playing on");
    std::fflush(stdout);
}

void performAction(GameAction action) {
    ModelManager& world = *modelManager;
    if (world.paused) {
        if (action == GameAction::Pause || action == GameAction::Confirm ||
            action == GameAction::PlayOn || action == GameAction::Back)
            setPaused(false);
        if (action != GameAction::Back) return;
    }
    switch (world.gameState) {
    case InitialMenu:
        if (action == GameAction::Back) quit();
        if (action == GameAction::Confirm || action == GameAction::PlayOn) world.switchState(EnteringPlay);
        break;
    case DeathMenu:
        if (action == GameAction::Back) quit();
        if (action == GameAction::Confirm || action == GameAction::PlayOn) world.switchState(InitialMenu);
        break;
    case Playing:
        switch (action) {
        case GameAction::Back: world.switchState(LeavingPlay); break;
        case GameAction::Confirm:
        case GameAction::Fire: world.shoot(Fire); break;
        case GameAction::DriveLeft: world.act(MoveLeft); break;
        case GameAction::DriveRight: world.act(MoveRight); break;
        case GameAction::TurretUp: world.act(TurretUp); break;
        case GameAction::TurretDown: world.act(TurretDown); break;
        case GameAction::Jump: world.act(Jump); break;
        case GameAction::Pause: setPaused(true); break;
        case GameAction::PlayOn: break;
        }
        break;
    default:
        if (action == GameAction::Pause) setPaused(true);
        break;
    }
}
