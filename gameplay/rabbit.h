// SPDX-License-Identifier: MIT
#pragma once

#include "gameplay/sprite_animation.h"
#include "render/texture_table.h"

// A ground enemy: carried left by the ground, hopping further left now and then.
struct Rabbit {
    float x = 0;
    float y = 0;
    float z = 0;
    SpriteAnimation idleAnimation;
    SpriteAnimation jumpAnimation;
    float width = 0;
    float height = 0;
    float age = 0;
    int hopping = 0;
    float insetX = 0;
    float insetY = 0;

    Rabbit(float x, float y, float z, const TextureTable& textures);

    void update(float dt, float groundVelocity);
    const SpriteAnimation& activeAnimation() const {
        return hopping ? jumpAnimation : idleAnimation;
    }
};
