// SPDX-License-Identifier: MIT
#pragma once

#include "gameplay/sprite_animation.h"
#include "geometry/vec3.h"

// A short-lived square sprite: bullet trails, gun flashes, wheel dust and the
// bursts of explosions. It dies when its animation runs out.
struct Particle {
    bool dead = false;
    float spinRate = 0;
    bool fades = false;
    float fadeTime = 0;
    float vx = 0, vy = 0, vz = 0;
    float x = 0, y = 0, z = -0.01f;
    SpriteAnimation animation;
    float size = 0;
    float age = 0;
    float drag = 0;
    bool noGravity = false;

    Particle(Vec3 velocity, float x, float y, float drag, bool noGravity,
             SpriteAnimation animation, float size);

    // Ages, moves, falls and relaxes towards the scrolling ground.
    void update(float dt, double scrollSpeed);
};
