#include "world/model_manager.h"

// Entry actions, run right after gameState has been set to `state`.
void ModelManager::enterState(int state) {
    switch (state) {
    case InitialMenu:
        // A smaller reset than resetGame: the lists keep what they hold.
        player->reset();
        score = 0;
        enemyLimit = 2.0f;
        break;
    case EnteringPlay:
        transitionFromX = -4;
        transitionToX = 0;
        break;
    case LeavingPlay:
        transitionFromX = player->x;
        transitionToX = -4;
        break;
    case Dying:
        transitionFromX = player->x;
        transitionToX = -4;
        shake.raiseTo(2);
        break;
    default:
        break;
    }
}
