// SPDX-License-Identifier: MIT
#pragma once

#include "geometry/vec3.h"

// Hue in degrees, saturation and value 0..1; returns red, green, blue.
Vec3 hsvToRgb(float hue, float saturation, float value);
