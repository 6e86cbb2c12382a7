// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "gameplay/particle.h"
#include "render/texture_table.h"

class Player;

// Two fire specks behind a bullet; the first is already 0.02 s old.
void emitBulletTrail(std::vector<Particle>& particles, const TextureTable& textures,
                     double scrollSpeed, float x, float y, float vx, float vy);
// One leaping, fading star at a gun.
void emitMuzzleFlash(std::vector<Particle>& particles, const TextureTable& textures,
                     float x, float y);
// A grass or earth speck from each wheel while the car is on the ground.
void emitWheelDust(std::vector<Particle>& particles, const TextureTable& textures,
                   const Player& player);
// 20 to 60 fire specks around the centre of an explosion of the given size.
void emitExplosionBurst(std::vector<Particle>& particles, const TextureTable& textures,
                        float cx, float cy, float size);
