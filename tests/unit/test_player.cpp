// SPDX-License-Identifier: MIT
// Tests: the car.
#include <gtest/gtest.h>

#include <cmath>

#include "gameplay/player.h"

namespace {

TEST(Player, StartValuesAreTheSpriteSheetMeasures) {
    Player p;
    EXPECT_FLOAT_EQ(p.smallWheelSize, 0.3276699f);
    EXPECT_FLOAT_EQ(p.bigWheelSize, 1.1359223f);
    EXPECT_FLOAT_EQ(p.smallWheelX, 0.20752427f);
    EXPECT_FLOAT_EQ(p.bigWheelX, 0.7645631f);
    EXPECT_FLOAT_EQ(p.turretPivotX, 2.1298544f);
    EXPECT_FLOAT_EQ(p.turretPivotY, 1.6630435f);
    EXPECT_FLOAT_EQ(p.turretWidth, 0.36043689f);
    EXPECT_FLOAT_EQ(p.turretHeight, 0.13106796f);
    EXPECT_EQ(p.health, 100.0f);
    EXPECT_EQ(p.fireRate, 3);
}

TEST(Player, DrivingStopsExactlyAtTheLimits) {
    Player p;
    p.x = -0.75f;
    p.act(MoveLeft);
    EXPECT_EQ(p.x, -1.0f);
    p.act(MoveLeft);
    EXPECT_EQ(p.x, -1.0f);
    p.x = -0.8f;
    p.act(MoveLeft);
    EXPECT_EQ(p.x, -1.0f);

    p.x = 18.75f;
    p.act(MoveRight);
    EXPECT_EQ(p.x, 19.0f);
    p.act(MoveRight);
    EXPECT_EQ(p.x, 19.0f);
    p.x = 3.0f;
    p.act(MoveRight);
    EXPECT_EQ(p.x, 3.5f);
}

TEST(Player, TurretTakesOnlyFourAngles) {
    Player p;
    const float up[] = {45, 90, 90, 90};
    for (float expected : up) {
        p.act(TurretUp);
        EXPECT_EQ(p.turretAngle, expected);
    }
    const float down[] = {45, 0, -45, -45, -45};
    for (float expected : down) {
        p.act(TurretDown);
        EXPECT_EQ(p.turretAngle, expected);
    }
}

TEST(Player, FireAndUnknownActionsChangeNothing) {
    Player p;
    p.x = 4;
    p.act(Fire);
    p.act(6);
    p.act(1000);
    EXPECT_EQ(p.x, 4.0f);
    EXPECT_EQ(p.turretAngle, 0.0f);
    EXPECT_EQ(p.jumpPhase, 0.0f);
}

TEST(Player, JumpLastsHalfASecondAndLandsAtExactlyZero) {
    Player p;
    p.act(Jump);
    EXPECT_EQ(p.jumpPhase, 0.0001f);
    p.update(0, 0.1f);
    const float midAir = p.jumpPhase;
    p.act(Jump);  // ignored while airborne
    EXPECT_EQ(p.jumpPhase, midAir);
    for (int i = 0; i < 3; ++i) p.update(0, 0.1f);
    EXPECT_GT(p.jumpPhase, 0.8f);
    p.update(0, 0.1f);  // 0.5 s in all
    EXPECT_EQ(p.jumpPhase, 0.0f);
    p.update(0, 0.1f);  // stays on the ground
    EXPECT_EQ(p.jumpPhase, 0.0f);

    Player q;
    q.act(Jump);
    for (int i = 0; i < 30; ++i) q.update(0, 1.0f / 60);
    EXPECT_EQ(q.jumpPhase, 0.0f);
}

TEST(Player, JumpOffsetFollowsASineArc) {
    Player p;
    EXPECT_EQ(p.jumpOffset(0), 0.0f);
    p.jumpPhase = 0.5f;
    EXPECT_EQ(p.jumpOffset(0), 2.0f);
    p.jumpPhase = 0.25f;
    EXPECT_FLOAT_EQ(p.jumpOffset(0), 2 * std::sqrt(0.5f));
    EXPECT_EQ(p.jumpOffset(0.5f), 0.0f);  // a delay past the phase clamps to the ground
}

TEST(Player, HealthRegeneratesUpToTheMaximum) {
    Player p;
    p.health = 99.9f;
    p.update(0, 0.1f);
    EXPECT_EQ(p.health, 100.0f);
    p.health = 50;
    p.update(0, 2.0f);
    EXPECT_EQ(p.health, 53.0f);
}

TEST(Player, ShotCooldownMayEndBelowZero) {
    Player p;
    p.shotCooldown = 0.05f;
    p.update(0, 0.1f);
    EXPECT_FLOAT_EQ(p.shotCooldown, -0.05f);
    p.update(0, 0.1f);  // not counted down further once at or below zero
    EXPECT_FLOAT_EQ(p.shotCooldown, -0.05f);
}

TEST(Player, WheelsRollOneTurnPerCircumference) {
    Player p;
    const float circumference = static_cast<float>(p.smallWheelSize * 3.141592653589793);
    p.update(circumference, 0);
    EXPECT_EQ(p.smallWheelAngle, -360.0f);
    EXPECT_NEAR(p.bigWheelAngle, -360.0f * 30 / 104, 1e-3f);
    // The car's own x counts too.
    p.x = 1;
    p.update(circumference - 1, 0);
    EXPECT_NEAR(p.smallWheelAngle, -360.0f, 1e-3f);
}

TEST(Player, BlinkTimerCountsDownPastZero) {
    Player p;
    p.blinkTimer = 0.3f;
    for (int i = 0; i < 4; ++i) p.update(0, 0.1f);
    EXPECT_NEAR(p.blinkTimer, -0.1f, 1e-6f);
}

TEST(Player, ResetRestoresTheStart) {
    Player p;
    p.x = 7;
    p.turretAngle = 90;
    p.jumpPhase = 0.4f;
    p.blinkTimer = 0.2f;
    p.blinkOn = true;
    p.health = 10;
    p.shotCooldown = 0.3f;
    p.update(50, 0.1f);
    p.reset();
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.turretAngle, 0.0f);
    EXPECT_EQ(p.jumpPhase, 0.0f);
    EXPECT_EQ(p.smallWheelAngle, 0.0f);
    EXPECT_EQ(p.bigWheelAngle, 0.0f);
    EXPECT_EQ(p.blinkTimer, 0.0f);
    EXPECT_FALSE(p.blinkOn);
    EXPECT_EQ(p.health, 100.0f);
    EXPECT_EQ(p.shotCooldown, 0.0f);
}

}  // namespace
