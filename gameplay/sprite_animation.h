// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "geometry/vec3.h"

// A sequence of frames, each a texture with a display time and a drawing
// offset. Owned by value by every sprite record.
struct SpriteAnimation {
    float elapsed = 0;
    int frame = 0;
    std::vector<unsigned int> frameTextures;
    std::vector<float> frameDurations;
    std::vector<Vec3> frameOffsets;
    bool looping = false;
    bool randomOrder = false;
    bool skipNextUpdate = true;
    Vec3 offset;
    bool running = true;

    SpriteAnimation() = default;
    // Without offsets every frame is drawn at (0, 0, 0).
    SpriteAnimation(std::vector<unsigned int> textures, std::vector<float> durations,
                    std::vector<Vec3> offsets, bool randomOrder);

    void restart();
    // Returns the time left over when a non-looping animation runs out in
    // this call, otherwise 0.
    float update(float dt);
};
