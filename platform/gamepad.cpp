// SPDX-License-Identifier: MIT
// The pads: SDL2's game controllers on the desktop (input only, no SDL
// window), the Gamepad API and the page's touch buttons in the browser.
#include "platform/gamepad.h"

#include <cstdio>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>

namespace {
// clang-format off
// The page's touch buttons held now, one bit each in kTouchButtons' order;
// -1 where the page shows none.
EM_JS(int, touchButtonsHeld, (), {
    if (Module['touchButtons'] === undefined) return -1;
    Module['touchReads'] = (Module['touchReads'] || 0) + 1;
    return Module['touchButtons'];
});
// clang-format on

// left, right, jump, turret up, turret down, fire, back, a tap on the game
constexpr PadButton kTouchButtons[] = {PadButton::DpadLeft,     PadButton::DpadRight,
                                       PadButton::South,        PadButton::LeftShoulder,
                                       PadButton::RightShoulder, PadButton::West,
                                       PadButton::Back,         PadButton::Start};

void addTouchButtons(std::vector<PadState>& pads) {
    const int held = touchButtonsHeld();
    if (held < 0) return;
    PadState touch;
    touch.id = -1;
    touch.name = "touch buttons";
    touch.onScreen = true;
    for (int i = 0; i < static_cast<int>(std::size(kTouchButtons)); ++i)
        touch.buttons[static_cast<int>(kTouchButtons[i])] = (held >> i) & 1;
    pads.push_back(touch);
}
}  // namespace

bool startGamepads() { return true; }

std::vector<PadState> readGamepads() {
    std::vector<PadState> pads;
    addTouchButtons(pads);
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return pads;
    const int count = emscripten_get_num_gamepads();
    for (int i = 0; i < count; ++i) {
        EmscriptenGamepadEvent e;
        if (emscripten_get_gamepad_status(i, &e) != EMSCRIPTEN_RESULT_SUCCESS || !e.connected) continue;
        // Another layout would put the buttons anywhere.
        if (std::string(e.mapping) != "standard") continue;
        PadState pad;
        pad.id = e.index;
        pad.name = e.id;
        // The standard layout's button numbers, in PadButton's order.
        static const int kButtonIndex[kPadButtons] = {0, 1, 2, 3, 4, 5, 8, 9, 12, 13, 14, 15};
        for (int b = 0; b < kPadButtons; ++b)
            pad.buttons[b] = kButtonIndex[b] < e.numButtons && e.digitalButton[kButtonIndex[b]];
        for (int a = 0; a < 4 && a < e.numAxes; ++a) pad.axes[a] = static_cast<float>(e.axis[a]);
        // The triggers are buttons 6 and 7 there, with how far they are in.
        if (e.numButtons > 7) {
            pad.axes[static_cast<int>(PadAxis::LeftTrigger)] = static_cast<float>(e.analogButton[6]);
            pad.axes[static_cast<int>(PadAxis::RightTrigger)] = static_cast<float>(e.analogButton[7]);
        }
        pads.push_back(pad);
    }
    return pads;
}
#else
#include <map>

#include "platform/sdl_pad_layout.h"

namespace {
bool started = false;
std::map<SDL_JoystickID, SDL_GameController*> opened;

void open(int deviceIndex) {
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    // A pad present at start-up may be announced twice.
    if (!opened.emplace(id, pad).second) SDL_GameControllerClose(pad);
}

void close(SDL_JoystickID id) {
    const auto it = opened.find(id);
    if (it == opened.end()) return;
    SDL_GameControllerClose(it->second);
    opened.erase(it);
}
}  // namespace

bool startGamepads() {
    if (started) return true;
#ifdef _WIN32
    // With no SDL window there is no message loop for the raw input driver:
    // SDL reads the pads on a thread of its own.
    SDL_SetHint(SDL_HINT_JOYSTICK_THREAD, "1");
#endif
    // Ctrl+C and a kill end the game as before, not as an SDL event no one reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetMainReady();
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::printf("Gamepads: off (%s)\n", SDL_GetError());
        return false;
    }
    started = true;
    return true;
}

std::vector<PadState> readGamepads() {
    std::vector<PadState> pads;
    if (!started) return pads;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) open(event.cdevice.which);
        if (event.type == SDL_CONTROLLERDEVICEREMOVED) close(event.cdevice.which);
    }
    for (const auto& [id, controller] : opened) {
        PadState pad;
        pad.id = id;
        const char* name = SDL_GameControllerName(controller);
        pad.name = name != nullptr ? name : "unnamed pad";
        for (int b = 0; b < kPadButtons; ++b)
            pad.buttons[b] = SDL_GameControllerGetButton(controller, kSdlButtons[b]) != 0;
        for (int a = 0; a < kPadAxes; ++a)
            pad.axes[a] = static_cast<float>(SDL_GameControllerGetAxis(controller, kSdlAxes[a])) / 32767.0f;
        pads.push_back(pad);
    }
    return pads;
}
#endif
