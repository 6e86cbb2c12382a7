// SPDX-License-Identifier: MIT
// Hue, saturation and value to red, green and blue.
#include "render/hsv.h"

Vec3 hsvToRgb(float hue, float saturation, float value) {
    const float v = value;
    const float s = saturation;
    if (s <= 0) return {v, v, v};
    if (hue >= 360) hue = 0;
    const double d = hue / 60.0;
    const int sector = static_cast<int>(d);
    const float f = static_cast<float>(d - sector);
    const float p = v * (1 - s);
    const float q = v * (1 - s * f);
    const float t = v * (1 - s * (1 - f));
    switch (sector) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        default: return {v, p, q};
    }
}
