// SPDX-License-Identifier: MIT
#pragma once

// The game keeps its own main (and on Windows its console).
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "platform/gamepad.h"

// SDL's game-controller buttons and axes, in PadButton's and PadAxis's order.
constexpr SDL_GameControllerButton kSdlButtons[kPadButtons] = {
    SDL_CONTROLLER_BUTTON_A,            SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,            SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,         SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_DPAD_UP,      SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT,    SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};
constexpr SDL_GameControllerAxis kSdlAxes[kPadAxes] = {
    SDL_CONTROLLER_AXIS_LEFTX,       SDL_CONTROLLER_AXIS_LEFTY,
    SDL_CONTROLLER_AXIS_RIGHTX,      SDL_CONTROLLER_AXIS_RIGHTY,
    SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
};
