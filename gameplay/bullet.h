// SPDX-License-Identifier: MIT
#pragma once

#include "gameplay/sprite_animation.h"
#include "render/texture_table.h"

// One shot, of the player or of a balloon: a straight line at constant speed.
struct Bullet {
    float x = 0;
    float y = 0;
    float z = 0;
    float dirX = 0;
    float dirY = 0;
    float dirZ = 0;
    SpriteAnimation animation;
    float width = 1;
    float height = 0.5f;
    float angle = 0;
    float speed = 6;

    // Shots at 90 degrees and beyond start 0.25 further right; every shot
    // starts 0.17 below its gun point.
    Bullet(float angle, float x0, float y0, float z0, const TextureTable& textures);
};
