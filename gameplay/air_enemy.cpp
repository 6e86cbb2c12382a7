// SPDX-License-Identifier: MIT
// Balloons: their patrol, bobbing and aiming.
#include "gameplay/air_enemy.h"

#include <cmath>

#include "gameplay/animation_kinds.h"
#include "gameplay/emitters.h"
#include "gameplay/player.h"
#include "geometry/random.h"

AirEnemy::AirEnemy(float x, float y, float z, const TextureTable& textures,
                   const std::vector<TriMesh>& meshes, float radius, float turnLeftX,
                   float turnRightX)
    : x(x),
      y(y),
      z(z),
      meshes(&meshes),
      textures(&textures),
      animation(makeRabbitIdleAnimation(textures)),
      width(2 * radius),
      height(2 * radius),
      age(0),
      baseY(y),
      radius(radius),
      meshCount(static_cast<int>(meshes.size())),
      turnLeftX(turnLeftX),
      turnRightX(turnRightX) {
    phase = static_cast<float>(randUnit() * 3.14159265);
    maxSpeed = 1 + randUnit();
    vx = -maxSpeed;
    hitsLeft = meshCount;
}

void AirEnemy::update(float dt) {
    age += dt;
    // Steering acts per update, not per second.
    if (x < turnLeftX && vx < maxSpeed) vx += 0.02f;
    if (x > turnRightX && vx > -maxSpeed) vx -= 0.02f;
    y = static_cast<float>(baseY + std::sin(static_cast<double>(phase + age)));
    x += vx * dt;
    animation.update(dt);
}

void AirEnemy::fireAt(const Player& player, std::vector<Bullet>& enemyBullets,
                      std::vector<Particle>& particles) const {
    const float tx = player.x + player.bodyWidth / 2;
    const float ty = player.jumpOffset(0) + player.bodyHeight / 2;
    const float gx = x - width / 2 - 1.5f * radius;
    const float gy = y - height / 2 - 1.5f * radius - 0.4f;
    // Aims right only while the car is below the gun; a car above it gets a
    // shot the opposite way, and at equal heights the shot is horizontal.
    const float quotient = (tx - gx) / (ty - gy);
    const float turn = static_cast<float>(std::atan(static_cast<double>(quotient)));
    const float degrees180 = turn * 180.0f;
    const float angle = static_cast<float>(270.0 - degrees180 / 3.14159265);
    enemyBullets.emplace_back(angle, gx, gy, 0.05f, *textures);
    emitMuzzleFlash(particles, *textures, gx, gy);
}
