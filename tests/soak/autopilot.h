// SPDX-License-Identifier: MIT
#pragma once

#include <random>
#include <vector>

// Plays like a restless player. Every decision comes from its own seeded
// generator, never the game's, so the game deals its usual sequence and a run
// replays exactly.
class Autopilot {
public:
    // How one game is played, chosen when the car has driven in.
    enum Style {
        Fighter,  // moves, jumps, turns the turret and fires; later tires and sits
        Sitter,   // stands still until the rabbits and balloons finish it off
        Quitter,  // plays a while, then leaves with Esc
    };

    explicit Autopilot(unsigned seed);

    // The keys to press before the next frame of `dt` seconds, given the
    // state the game is in now. Never Esc in a menu: that would quit.
    std::vector<unsigned char> keysFor(int gameState, double dt);

    int stylesChosen[3] = {0, 0, 0};

private:
    void enterState(int state);
    // True with probability rate × dt: one event of a Poisson stream.
    bool happens(double ratePerSecond, double dt);
    double uniform(double low, double high);
    unsigned char playKey();
    unsigned char idleKey();

    std::mt19937 rng;
    int lastState = -1;
    Style style = Fighter;
    double timeInState = 0;
    double menuWait = 0;  // seconds before Space in a menu
    double playLimit = 0; // Fighter: when it tires; Quitter: when it leaves
};
