// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "geometry/vec3.h"

// Directional lights evaluated on the processor; OpenGL lighting stays off.
class Lighting {
public:
    std::vector<Vec3> directions;
    std::vector<Vec3> colors;
    Vec3 ambient;
    float ambientIntensity = 0;
    float shininess = 11;

    virtual ~Lighting() = default;

    void addLight(Vec3 direction, Vec3 color);
    Vec3 diffuseAt(Vec3 normal) const;
    Vec3 specularAt(Vec3 point, Vec3 normal, Vec3 viewer) const;
};
