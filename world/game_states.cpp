// SPDX-License-Identifier: MIT
// What each game state does on entry.
#include "world/model_manager.h"

void ModelManager::switchState(int state) {
    gameState = state;
    switch (state) {
    case InitialMenu:
        // A smaller reset than resetGame: the lists keep what they hold.
        player->reset();
        score = 0;
        enemyLimit = 2.0f;
        break;
    case EnteringPlay:
        peakScore = 0;
        transitionFromX = -4;
        transitionToX = 0;
        cue(CueKind::GameStart, -4);
        break;
    case LeavingPlay:
        transitionFromX = player->x;
        transitionToX = -4;
        cue(CueKind::DriveOut, player->x);
        break;
    case Dying:
        transitionFromX = player->x;
        transitionToX = -4;
        shake.raiseTo(2);
        cue(CueKind::PlayerDeath, player->x + player->bodyWidth / 2);
        cue(CueKind::DriveOut, player->x);
        break;
    default:
        break;
    }
}
