// SPDX-License-Identifier: MIT
// The car: reset, its moves and jumps, turret steps and the per-frame update.
#include "gameplay/player.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
}

void Player::reset() {
    x = 0;
    y = 0;
    z = 0;
    turretAngle = 0;
    smallWheelAngle = 0;
    bigWheelAngle = 0;
    jumpPhase = 0;
    blinkTimer = 0;
    blinkOn = false;
    health = maxHealth;
    shotCooldown = 0;
}

void Player::act(unsigned int action) {
    switch (action) {
    case MoveLeft:
        if (x > minX) {
            x -= driveStep;
            if (x < minX) x = minX;
        }
        break;
    case MoveRight:
        if (x < maxX) {
            x += driveStep;
            if (x > maxX) x = maxX;
        }
        break;
    case TurretUp:
        if (turretAngle < 90) turretAngle += turretStep;
        break;
    case TurretDown:
        if (turretAngle > -45) turretAngle -= turretStep;
        break;
    case Jump:
        if (jumpPhase == 0) jumpPhase = 0.0001f;
        break;
    default:  // Fire: the shot itself is made by the world's shoot
        break;
    }
}

float Player::jumpOffset(float delay) const {
    const double phase = std::max(0.0, static_cast<double>(jumpPhase) - delay);
    return static_cast<float>(jumpHeight * std::sin(phase * kPi));
}

bool Player::advanceJump(float dt) {
    if (!(jumpPhase > 0)) return false;
    jumpPhase += 2 * dt;
    if (!(jumpPhase > 1)) return false;
    jumpPhase = 0;
    return true;
}

void Player::update(float distance, float dt) {
    blinkTimer -= dt;

    // The wheels roll with the ground: one turn per circumference travelled.
    const float travelled = x + distance;
    const float smallCircumference = static_cast<float>(smallWheelSize * kPi);
    const float bigCircumference = static_cast<float>(bigWheelSize * kPi);
    smallWheelAngle = -(travelled / smallCircumference * 360);
    bigWheelAngle = -(travelled / bigCircumference * 360);

    advanceJump(dt);

    if (health < maxHealth) {
        health += 1.5f * dt;
        if (health > maxHealth) health = maxHealth;
    }

    // May end slightly below zero; any value not above zero allows a shot.
    if (shotCooldown > 0) shotCooldown -= dt;
}
