// SPDX-License-Identifier: MIT
// Stepping a sprite animation through its frames.
#include "gameplay/sprite_animation.h"

#include <utility>

#include "geometry/random.h"

SpriteAnimation::SpriteAnimation(std::vector<unsigned int> textures,
                                 std::vector<float> durations, std::vector<Vec3> offsets,
                                 bool randomOrder)
    : frameTextures(std::move(textures)),
      frameDurations(std::move(durations)),
      frameOffsets(std::move(offsets)),
      randomOrder(randomOrder) {
    if (frameOffsets.empty()) frameOffsets.assign(frameTextures.size(), Vec3{});
    if (!frameOffsets.empty()) offset = frameOffsets[0];
}

void SpriteAnimation::restart() {
    running = true;
    frame = 0;
    elapsed = 0;
    skipNextUpdate = true;
    if (!frameOffsets.empty()) offset = frameOffsets[0];
}

float SpriteAnimation::update(float dt) {
    const int count = static_cast<int>(frameDurations.size());
    if (count == 0) return 0;
    if (!looping && frame >= count) return 0;
    if (skipNextUpdate) {
        skipNextUpdate = false;
        return 0;
    }
    elapsed += dt;
    float d = frameDurations[frame];
    if (elapsed > d) {
        do {
            elapsed -= d;
            if (randomOrder && frameTextures.size() > 1) {
                // A fresh frame every time, never the one just shown.
                const int previous = frame;
                const float frames = static_cast<float>(frameTextures.size());
                do {
                    frame = static_cast<int>(frames * gameRand() / kRandMax);
                } while (frame == previous);
            } else {
                frame += 1;
            }
            if (frame >= count) {
                frame = 0;
                if (!looping) {
                    running = false;
                    return elapsed;
                }
            }
            d = frameDurations[frame];
            // A zero-length frame is shown for one whole update.
        } while (!(d < 0.00001f) && elapsed > d);
    }
    if (frame < static_cast<int>(frameOffsets.size())) offset = frameOffsets[frame];
    return 0;
}
