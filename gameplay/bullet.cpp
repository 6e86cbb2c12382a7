// SPDX-License-Identifier: MIT
// Bullets: where a shot starts and how it flies.
#include "gameplay/bullet.h"

#include <cmath>

#include "gameplay/animation_kinds.h"

Bullet::Bullet(float angle, float x0, float y0, float z0, const TextureTable& textures)
    : x(angle < 90 ? x0 : x0 + 0.25f),
      y(y0 - 0.17f),
      z(z0),
      animation(makeBulletAnimation(textures)),
      width(1),
      height(0.5f),
      angle(angle),
      speed(6) {
    const double t = angle * 3.14159265 / 180;
    dirX = static_cast<float>(std::cos(t));
    dirY = static_cast<float>(std::sin(t));
    dirZ = 0;
}
