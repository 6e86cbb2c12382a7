// SPDX-License-Identifier: MIT
#pragma once

#include "render/lighting.h"

// The mountains' light: one grey light from the upper left front, no ambient.
Lighting makeTerrainLight();
// The balloons' light: one white light from the upper left front, half ambient.
Lighting makeSphereLight();
