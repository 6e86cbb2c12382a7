// SPDX-License-Identifier: MIT
#pragma once

#include "gameplay/sprite_animation.h"
#include "render/texture_table.h"

// The animation kinds the game builds, with their frames, times and offsets.
SpriteAnimation makeExplosionAnimation(const TextureTable& textures);
SpriteAnimation makeFireAnimation(const TextureTable& textures, float lifetime);
SpriteAnimation makeGrassAnimation(const TextureTable& textures, float lifetime);
SpriteAnimation makeGroundAnimation(const TextureTable& textures, float lifetime);
SpriteAnimation makeFlashAnimation(const TextureTable& textures, float lifetime);
SpriteAnimation makeBulletAnimation(const TextureTable& textures);
SpriteAnimation makeRabbitIdleAnimation(const TextureTable& textures);
SpriteAnimation makeRabbitHopAnimation(const TextureTable& textures, float width);
