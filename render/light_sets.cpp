// SPDX-License-Identifier: MIT
// The two light sets: one for the terrain, one for the balloons.
#include "render/light_sets.h"

#include <cmath>

Lighting makeTerrainLight() {
    Lighting light;
    light.addLight(Vec3{0.5f, -1, -1} / 1.5f, {0.7f, 0.7f, 0.7f});
    light.ambient = {1, 1, 1};
    light.ambientIntensity = 0;
    return light;
}

Lighting makeSphereLight() {
    Lighting light;
    light.addLight(Vec3{1, -1, -1} / std::sqrt(3.0f), {1, 1, 1});
    light.ambient = {1, 1, 1};
    light.ambientIntensity = 0.5f;
    return light;
}
