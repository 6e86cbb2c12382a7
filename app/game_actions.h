// SPDX-License-Identifier: MIT
#pragma once

// What a player can ask of the game, whatever the control: the keys and a
// gamepad both come here, so both work at once.
enum class GameAction {
    Back,     // leave a game; quit from a menu
    Confirm,  // play or continue from a menu; fire in play
    Fire,     // fire in play only
    DriveLeft,
    DriveRight,
    TurretUp,
    TurretDown,
    Jump,
    Pause,    // pause or resume a game
    PlayOn,   // as Confirm in a menu or a paused game; nothing in play (a tap on the screen)
};

// Acts on the action by game state. A paused game takes only Pause, Confirm
// (which resumes it) and Back (which resumes it and leaves play).
void performAction(GameAction action);

// Whether a game is in progress (the drive-in, play or the drive-out), not
// a menu.
bool inAGame();

// Pauses or resumes a game in progress (the drive-in, play or the
// drive-out); in the menus there is nothing to pause. Says so once on the
// console.
void setPaused(bool paused);
