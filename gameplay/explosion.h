// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "gameplay/particle.h"
#include "gameplay/sprite_animation.h"
#include "render/texture_table.h"

struct ScreenShake;

struct Explosion {
    float x = 0;  // left edge
    float y = 0;  // bottom edge
    float z = 5;
    SpriteAnimation animation;
    float size = 0;
    bool finished = false;
};

// Builds an explosion of side `size` centred on (cx, cy), bursts its
// particles and raises the shake to at least 0.2 * size.
Explosion createExplosion(float size, float cx, float cy, std::vector<Particle>& particles,
                          const TextureTable& textures, ScreenShake& shake);
