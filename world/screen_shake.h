// SPDX-License-Identifier: MIT
#pragma once

// The jolt of the whole view. Events only raise the amount; it decays every
// frame.
struct ScreenShake {
    float offsetX = 0;
    float offsetY = 0;
    float offsetZ = 0;
    float amount = 0;

    void raiseTo(float value) {
        if (value > amount) amount = value;
    }
    // Pushes the model-view matrix and jitters and tilts the view about the
    // point (10, 4) of the play plane; drawScene pops it.
    void apply() const;
};
