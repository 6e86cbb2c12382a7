// SPDX-License-Identifier: MIT
// A pad for tests, through SDL's virtual joystick.
#include "platform/virtual_gamepad.h"

#include "platform/sdl_pad_layout.h"

namespace {
SDL_Joystick* joystickOf(void* p) { return static_cast<SDL_Joystick*>(p); }
}  // namespace

VirtualGamepad::VirtualGamepad(const char* name) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
    desc.name = name;
    index_ = SDL_JoystickAttachVirtualEx(&desc);
    if (index_ < 0) return;
    // Opened here too, so the values set below have somewhere to go.
    joystick_ = SDL_JoystickOpen(index_);
}

VirtualGamepad::~VirtualGamepad() { detach(); }

void VirtualGamepad::press(PadButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystickOf(joystick_), kSdlButtons[static_cast<int>(button)],
                                 down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualGamepad::tilt(PadAxis axis, float value) {
    SDL_JoystickSetVirtualAxis(joystickOf(joystick_), kSdlAxes[static_cast<int>(axis)],
                               static_cast<Sint16>(value * 32767.0f));
}

void VirtualGamepad::detach() {
    if (index_ < 0) return;
    // The device index may have moved since: find the pad by its joystick.
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystickOf(joystick_));
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickClose(joystickOf(joystick_));
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    joystick_ = nullptr;
    index_ = -1;
}
