// SPDX-License-Identifier: MIT
// The soak's autopilot: a fixed key schedule that plays game after game.
#include "soak/autopilot.h"

#include "world/model_manager.h"

namespace {
constexpr unsigned char kEsc = 27;
constexpr unsigned char kSpace = ' ';
}  // namespace

Autopilot::Autopilot(unsigned seed) : rng(seed) {}

bool Autopilot::happens(double ratePerSecond, double dt) {
    return uniform(0, 1) < ratePerSecond * dt;
}

double Autopilot::uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
}

// Mostly fire, then the arrows of this game (a, d), jumps and the turret,
// and now and then a key the game does not use.
unsigned char Autopilot::playKey() {
    static const unsigned char keys[] = {' ', ' ', ' ', ' ', ' ', ' ', 'a', 'a', 'a',
                                         'd', 'd', 'd', 'w', 'w', 'w', 'k', 'k', 'l',
                                         'l', 'x'};
    std::uniform_int_distribution<int> pick(0, sizeof keys - 1);
    return keys[pick(rng)];
}

// Fidgeting while nothing answers: anything but Esc.
unsigned char Autopilot::idleKey() {
    static const unsigned char keys[] = {'a', 'd', 'k', 'l', 'w', 'q', '1'};
    std::uniform_int_distribution<int> pick(0, sizeof keys - 1);
    return keys[pick(rng)];
}

void Autopilot::enterState(int state) {
    lastState = state;
    timeInState = 0;
    switch (state) {
    case InitialMenu:
    case DeathMenu:
        menuWait = uniform(0.2, 3.0);
        break;
    case Playing: {
        const double r = uniform(0, 1);
        style = r < 0.5 ? Fighter : r < 0.75 ? Sitter : Quitter;
        ++stylesChosen[style];
        playLimit = style == Fighter ? uniform(20, 120) : uniform(1, 12);
        break;
    }
    default:
        break;
    }
}

std::vector<unsigned char> Autopilot::keysFor(int gameState, double dt) {
    if (gameState != lastState) enterState(gameState);
    timeInState += dt;
    std::vector<unsigned char> keys;

    switch (gameState) {
    case InitialMenu:
    case DeathMenu:
        if (happens(2, dt)) keys.push_back(idleKey());
        if (timeInState >= menuWait) {
            keys.push_back(kSpace);
            menuWait = timeInState + uniform(0.2, 3.0);  // in case it is not taken
        }
        break;
    case Playing:
        if (style == Quitter && timeInState >= playLimit) {
            keys.push_back(kEsc);
            break;
        }
        if (style == Fighter && timeInState >= playLimit) style = Sitter;  // tired
        if (style != Sitter && happens(8, dt)) keys.push_back(playKey());
        // Sometimes a burst of keys within one frame, as a mashing player does.
        if (style == Fighter && happens(0.2, dt)) {
            for (int i = 0; i < 5; ++i) keys.push_back(playKey());
        }
        break;
    default:
        // Driving in or out, or burning: every key is ignored, Esc included.
        if (happens(4, dt)) keys.push_back(uniform(0, 1) < 0.25 ? kEsc : playKey());
        break;
    }
    return keys;
}
