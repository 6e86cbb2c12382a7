// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "render/texture_table.h"

class QuadDrawer;

enum PlayerAction : unsigned int {
    MoveLeft = 0,
    MoveRight = 1,
    TurretUp = 2,
    TurretDown = 3,
    Fire = 4,
    Jump = 5,
};

// The car: a body, two wheels and a turret barrel cut from one sprite sheet.
// Sizes are pixels of the sheet scaled so the body's 206 px are 2.25 units.
class Player {
public:
    float x = 0;
    float y = 0;
    float z = 0;
    float blinkTimer = 0;
    bool blinkOn = false;
    // The engine shake last drawn, drawn again while the game is paused.
    std::array<float, 3> shake{};
    float bodyWidth = 2.25f;
    float bodyHeight = 2.0f;
    float smallWheelSize = 2.25f * 30 / 206;
    float bigWheelSize = 2.25f * 104 / 206;
    float smallWheelX = 2.25f * 19 / 206;
    float bigWheelX = 2.25f * 70 / 206;
    float smallWheelAngle = 0;
    float bigWheelAngle = 0;
    float turretPivotX = 2.25f * 195 / 206;
    float turretPivotY = 2.0f * 153 / 184;
    float turretZ = 0;
    float turretWidth = bodyWidth * 33 / 206;
    float turretHeight = bodyWidth * 12 / 206;
    float minX = -1;
    float maxX = 19;
    float driveStep = 0.5f;
    float turretStep = 45;
    int fireRate = 3;
    float shotCooldown = 0;
    float jumpHeight = 2;
    float maxHealth = 100;
    float health = maxHealth;
    float jumpPhase = 0;
    float turretAngle = 0;

    virtual ~Player() = default;

    void reset();
    void act(unsigned int action);
    // Height of the car above the ground on its jump arc.
    float jumpOffset(float delay) const;
    void update(float distance, float dt);
    // Moves a jump on by dt; true on the update that lands it.
    bool advanceJump(float dt);
    // Drawing lives with the renderer (render/player_drawing.cpp). `held`:
    // a paused game's picture drawn again (the window uncovered or resized),
    // the same as last time: shake and blink as they were, and nothing drawn
    // from the random sequence.
    void draw(const TextureTable& textures, bool still, QuadDrawer& quads, bool held = false);
};
