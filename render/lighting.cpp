// SPDX-License-Identifier: MIT
// Lighting worked out on the processor: ambient, diffuse and specular terms.
#include "render/lighting.h"

#include <algorithm>
#include <cmath>

namespace {

// Every diffuse light term is scaled by this.
constexpr float kDiffuseScale = 0.7f;

// The length is summed in float (y, x, z) and rooted in double; a zero
// vector stays zero.
Vec3 normalized(Vec3 v) {
    float sum = v.y * v.y + v.x * v.x + v.z * v.z;
    float len = static_cast<float>(std::sqrt(static_cast<double>(sum)));
    if (len != 0) {
        float inverse = 1.0f / len;
        v = v * inverse;
    }
    return v;
}

}  // namespace

void Lighting::addLight(Vec3 direction, Vec3 color) {
    directions.push_back(direction);
    colors.push_back(color);
}

Vec3 Lighting::diffuseAt(Vec3 normal) const {
    Vec3 result;
    size_t count = std::min(directions.size(), colors.size());
    for (size_t i = 0; i < count; ++i) {
        Vec3 l = directions[i];
        Vec3 k = colors[i];
        // Not clamped: a face turned away from a light ends darker than ambient.
        float w = normal.x * -l.x + normal.y * -l.y + normal.z * -l.z;
        result.x += k.x * w * kDiffuseScale;
        result.y += k.y * w * kDiffuseScale;
        result.z += k.z * w * kDiffuseScale;
    }
    return result;
}

Vec3 Lighting::specularAt(Vec3 point, Vec3 normal, Vec3 viewer) const {
    Vec3 result;
    size_t count = std::min(directions.size(), colors.size());
    for (size_t i = 0; i < count; ++i) {
        Vec3 l = directions[i];
        Vec3 k = colors[i];
        Vec3 toViewer = normalized(viewer - point);
        Vec3 half = normalized(toViewer - l);
        float s = normal.x * half.x + normal.y * half.y + normal.z * half.z;
        if (s < 0) continue;
        float power = static_cast<float>(std::pow(static_cast<double>(s),
                                                  static_cast<double>(shininess)));
        result = result + k * power;
    }
    return result;
}
