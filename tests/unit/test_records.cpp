// SPDX-License-Identifier: MIT
// Tests: bullets, balloons, explosions and rabbits.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gameplay/air_enemy.h"
#include "gameplay/box.h"
#include "gameplay/bullet.h"
#include "gameplay/explosion.h"
#include "gameplay/player.h"
#include "gameplay/rabbit.h"
#include "geometry/random.h"
#include "support/numbered_textures.h"
#include "world/screen_shake.h"

namespace {

const TextureTable kTextures = numberedTextures();

// ---- Bullets ----

TEST(Bullet, StartPointsAtEachTurretAngle) {
    Player car;
    car.x = 3;
    const float gunX = car.x + car.turretPivotX;
    const float gunY = car.y + car.turretPivotY + car.jumpOffset(0);
    for (float angle : {-45.0f, 0.0f, 45.0f}) {
        Bullet b(angle, gunX, gunY, 0.05f, kTextures);
        EXPECT_EQ(b.x, gunX) << angle;
        EXPECT_EQ(b.y, gunY - 0.17f) << angle;
    }
    Bullet up(90, gunX, gunY, 0.05f, kTextures);
    EXPECT_EQ(up.x, gunX + 0.25f);  // only the straight-up shot moves right
    EXPECT_EQ(up.y, gunY - 0.17f);
    EXPECT_NEAR(up.dirX, 0.0f, 1e-8f);
    EXPECT_FLOAT_EQ(up.dirY, 1.0f);

    Bullet down(-45, gunX, gunY, 0.05f, kTextures);
    EXPECT_NEAR(down.y, 1.4930435f, 1e-6f);  // a car on the ground
    EXPECT_FLOAT_EQ(down.dirX, std::sqrt(0.5f));
    EXPECT_FLOAT_EQ(down.dirY, -std::sqrt(0.5f));
    EXPECT_EQ(down.z, 0.05f);
    EXPECT_EQ(down.speed, 6.0f);
    EXPECT_EQ(down.width, 1.0f);
    EXPECT_EQ(down.height, 0.5f);
    EXPECT_EQ(down.angle, -45.0f);
    EXPECT_EQ(down.dirZ, 0.0f);
    EXPECT_TRUE(down.animation.randomOrder);
}

// ---- Explosions ----

TEST(Explosion, CreationRaisesTheShakeAndBursts) {
    ScreenShake shake;
    std::vector<Particle> particles;
    Explosion e = createExplosion(3, 10, 4, particles, kTextures, shake);
    EXPECT_FLOAT_EQ(shake.amount, 0.6f);
    EXPECT_EQ(e.x, 8.5f);
    EXPECT_EQ(e.y, 2.5f);
    EXPECT_EQ(e.z, 5.0f);
    EXPECT_EQ(e.size, 3.0f);
    EXPECT_FALSE(e.finished);
    EXPECT_EQ(e.animation.frameTextures.front(), slot(18));
    EXPECT_GE(particles.size(), 20u);
    EXPECT_LE(particles.size(), 60u);

    shake.amount = 1.0f;
    createExplosion(2, 0, 0, particles, kTextures, shake);
    EXPECT_EQ(shake.amount, 1.0f);  // never lowered
}

TEST(Explosion, LastsItsFramesPlusOneUpdate) {
    ScreenShake shake;
    std::vector<Particle> particles;
    Explosion e = createExplosion(1, 0, 0, particles, kTextures, shake);
    int updates = 0;
    while (e.animation.running && updates < 100) {
        e.animation.update(0.02f);
        ++updates;
    }
    // One skipped update, then 0.45 s: 0.44 is not enough, 0.46 is.
    EXPECT_EQ(updates, 1 + 23);
}

// ---- Rabbits ----

TEST(Rabbit, SizeAndPlacementFromTwoDraws) {
    restartRandom();
    const float r1 = randUnit();
    const float r2 = randUnit();
    restartRandom();
    Rabbit rabbit(24, -0.01f, 0.01f, kTextures);
    const float width = 1 + r1;
    EXPECT_EQ(rabbit.width, width);
    EXPECT_EQ(rabbit.height, (0.9f + 0.2f * r2) * width);
    EXPECT_EQ(rabbit.y, -0.01f - 0.086f * width);
    EXPECT_EQ(rabbit.insetX, 0.25f * width);
    EXPECT_EQ(rabbit.insetY, 0.25f * rabbit.height);
    EXPECT_EQ(rabbit.hopping, 0);
    EXPECT_FLOAT_EQ(rabbit.jumpAnimation.frameOffsets[4].y, 1.18f * width);
}

TEST(Rabbit, AFinishedHopLeavesItSevenTenthsFurtherLeft) {
    Rabbit rabbit(10, 0, 0, kTextures);
    rabbit.hopping = 1;
    rabbit.jumpAnimation.restart();
    const float dt = 1.0f / 60;
    int updates = 0;
    float highest = 0;
    while (rabbit.hopping && updates < 1000) {
        rabbit.update(dt, 0);
        if (rabbit.hopping) highest = std::max(highest, rabbit.activeAnimation().offset.y);
        ++updates;
    }
    EXPECT_FLOAT_EQ(rabbit.x, 9.3f);
    // 1.15 s of hop plus the skipped update.
    EXPECT_NEAR(updates, 1 + 1.15 * 60, 1.5);
    EXPECT_FLOAT_EQ(highest, 1.18f * rabbit.width);
    // Back to idle at offset zero, so the drawn rabbit does not jump back.
    EXPECT_EQ(rabbit.activeAnimation().offset, (Vec3{0, 0, 0}));
    // The leftover time went into the restarted idle animation's skip.
    EXPECT_FALSE(rabbit.idleAnimation.skipNextUpdate);
    EXPECT_EQ(rabbit.idleAnimation.elapsed, 0.0f);
    EXPECT_EQ(rabbit.idleAnimation.frame, 0);
}

TEST(Rabbit, MovesWithTheGroundAndHopsOnlyLeft) {
    restartRandom();
    Rabbit rabbit(24, 0, 0, kTextures);
    const float dt = 1.0f / 60;
    int hops = 0;
    int previous = 0;
    double ground = 24;
    for (int i = 0; i < 600; ++i) {
        rabbit.update(dt, -0.75f);
        ground += dt * -0.75f;
        if (previous == 1 && rabbit.hopping == 0) ++hops;
        previous = rabbit.hopping;
    }
    EXPECT_GT(hops, 0);
    EXPECT_NEAR(rabbit.x, ground - 0.7 * hops, 1e-3);
    EXPECT_NEAR(rabbit.age, 10.0f, 1e-4f);
}

// ---- Air enemies ----

std::vector<TriMesh> threeMeshes() { return std::vector<TriMesh>(3); }

TEST(AirEnemy, StartsMovingLeftAtFullSpeed) {
    const std::vector<TriMesh> meshes = threeMeshes();
    restartRandom();
    const float r1 = randUnit();
    const float r2 = randUnit();
    restartRandom();
    AirEnemy e(24, 6, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    EXPECT_EQ(e.phase, static_cast<float>(r1 * 3.14159265));
    EXPECT_EQ(e.maxSpeed, 1 + r2);
    EXPECT_EQ(e.vx, -e.maxSpeed);
    EXPECT_EQ(e.hitsLeft, 3);
    EXPECT_EQ(e.meshCount, 3);
    EXPECT_EQ(e.width, 1.0f);
    EXPECT_EQ(e.height, 1.0f);
    EXPECT_EQ(e.baseY, 6.0f);
    EXPECT_EQ(e.meshes, &meshes);
    EXPECT_EQ(e.animation.frameTextures.front(), slot(36));
}

TEST(AirEnemy, SteersStrictlyPastTheTurningPoints) {
    const std::vector<TriMesh> meshes = threeMeshes();
    AirEnemy e(1, 6, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    e.vx = -1.5f;
    e.update(0);
    EXPECT_EQ(e.vx, -1.5f);  // exactly at the left turning point: no steering
    e.x = 0.99f;
    e.update(0);  // steering is per update, even with no time passing
    EXPECT_EQ(e.x, 0.99f);
    EXPECT_FLOAT_EQ(e.vx, -1.48f);

    e.maxSpeed = 1.5f;
    e.vx = 1.49f;
    e.update(0);
    EXPECT_FLOAT_EQ(e.vx, 1.51f);  // may overshoot by less than one step
    e.update(0);
    EXPECT_FLOAT_EQ(e.vx, 1.51f);

    e.x = 19;
    e.vx = 0;
    e.update(0);
    EXPECT_EQ(e.vx, 0.0f);
    e.x = 19.01f;
    e.update(0);
    EXPECT_FLOAT_EQ(e.vx, -0.02f);
}

TEST(AirEnemy, BobsWithinOneUnitOfItsLine) {
    const std::vector<TriMesh> meshes = threeMeshes();
    AirEnemy e(24, 6, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    const float x0 = e.x;
    const float vx = e.vx;
    for (int i = 0; i < 1000; ++i) {
        e.update(0.02f);
        ASSERT_LE(std::fabs(e.y - 6.0f), 1.0f);
    }
    EXPECT_FLOAT_EQ(e.y, static_cast<float>(6 + std::sin(e.phase + e.age)));
    EXPECT_LT(e.x, x0 + vx * 0.02f);  // moved left
}

TEST(AirEnemy, AimsAtTheCarBelow) {
    const std::vector<TriMesh> meshes = threeMeshes();
    AirEnemy e(10, 7, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    Player car;
    car.x = 2;
    std::vector<Bullet> bullets;
    std::vector<Particle> particles;
    e.fireAt(car, bullets, particles);
    ASSERT_EQ(bullets.size(), 1u);
    ASSERT_EQ(particles.size(), 1u);

    const double gx = 10 - 0.5 - 0.75;  // 8.75
    const double gy = 7 - 0.5 - 0.75 - 0.4;  // 5.35
    const double tx = 2 + 1.125;
    const double ty = 1;
    const double expected = 270 - std::atan((tx - gx) / (ty - gy)) * 180 / 3.14159265;
    const Bullet& b = bullets[0];
    EXPECT_NEAR(b.angle, expected, 1e-4);
    EXPECT_GT(b.angle, 180.0f);
    EXPECT_LT(b.angle, 270.0f);
    // Pointing from the gun to the car.
    const double len = std::hypot(tx - gx, ty - gy);
    EXPECT_NEAR(b.dirX, (tx - gx) / len, 1e-5);
    EXPECT_NEAR(b.dirY, (ty - gy) / len, 1e-5);
    EXPECT_FLOAT_EQ(b.x, 8.75f + 0.25f);
    EXPECT_FLOAT_EQ(b.y, 5.35f - 0.17f);
    EXPECT_FLOAT_EQ(particles[0].x, 8.75f);
    EXPECT_FLOAT_EQ(particles[0].y, 5.35f);
    EXPECT_TRUE(particles[0].fades);
}

TEST(AirEnemy, ShootsTheWrongWayAtACarAboveTheGun) {
    const std::vector<TriMesh> meshes = threeMeshes();
    AirEnemy e(10, 2.5f, 0.03f, kTextures, meshes, 0.5f, 1, 19);  // gun at y 0.85
    Player car;
    car.x = 2;
    car.jumpPhase = 0.5f;  // centre at y 3, up and to the left
    std::vector<Bullet> bullets;
    std::vector<Particle> particles;
    e.fireAt(car, bullets, particles);
    ASSERT_EQ(bullets.size(), 1u);
    EXPECT_GT(bullets[0].angle, 270.0f);
    EXPECT_LT(bullets[0].angle, 360.0f);
    EXPECT_GT(bullets[0].dirX, 0.0f);  // away from the car, down and right
    EXPECT_LT(bullets[0].dirY, 0.0f);
}

TEST(AirEnemy, ShootsLevelWhenTheGunIsAtTheCarsHeight) {
    const std::vector<TriMesh> meshes = threeMeshes();
    Player car;
    car.x = 2;
    // A balloon of no size, so the gun sits 0.4 below its centre; find a
    // height that puts the gun exactly level with the car's centre (y 1).
    AirEnemy e(10, 0, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    e.width = e.height = e.radius = 0;
    float y = 1.3f;
    while (y < 1.5f && y - 0.4f != 1.0f) y = std::nextafter(y, 2.0f);
    ASSERT_EQ(y - 0.4f, 1.0f);
    e.y = y;
    std::vector<Bullet> bullets;
    std::vector<Particle> particles;
    e.fireAt(car, bullets, particles);
    ASSERT_EQ(bullets.size(), 1u);
    // The car is to the left, yet the shot flies level to the right.
    EXPECT_NEAR(bullets[0].angle, 360.0f, 1e-4f);
    EXPECT_NEAR(bullets[0].dirY, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(bullets[0].dirX, 1.0f);
}

// ---- Boxes and the play area ----

TEST(Boxes, CornerInsideIsStrictAndNeedsACorner) {
    const Box outer{0, 10, 0, 10};
    const Box inner{2, 4, 2, 4};
    EXPECT_FALSE(cornerInside(outer, inner));  // encloses it, no corner inside
    EXPECT_TRUE(cornerInside(inner, outer));
    EXPECT_TRUE(cornerInside(Box{9, 12, 9, 12}, outer));    // lower left corner
    EXPECT_TRUE(cornerInside(Box{-2, 1, 9, 12}, outer));    // lower right corner
    EXPECT_FALSE(cornerInside(Box{10, 12, 2, 4}, outer));   // touching the edge
    EXPECT_FALSE(cornerInside(Box{-1, 11, 2, 4}, outer));   // a band across: no corner
    EXPECT_FALSE(cornerInside(Box{0, 10, 0, 10}, outer));   // identical boxes
}

TEST(Boxes, TheRecordsBoxes) {
    Player car;
    car.x = 3;
    car.jumpPhase = 0.5f;
    const Box p = playerBox(car);
    EXPECT_EQ(p.left, 3.0f);
    EXPECT_EQ(p.right, 5.25f);
    EXPECT_EQ(p.bottom, 2.0f);
    EXPECT_EQ(p.top, 4.0f);

    Bullet b(0, 1, 2.17f, 0, kTextures);
    const Box withMargin = bulletBox(b, 0.5f);
    EXPECT_EQ(withMargin.left, 0.5f);
    EXPECT_EQ(withMargin.right, 2.5f);
    EXPECT_FLOAT_EQ(withMargin.bottom, 1.5f);
    EXPECT_FLOAT_EQ(withMargin.top, 3.0f);

    const std::vector<TriMesh> meshes = threeMeshes();
    AirEnemy e(10, 6, 0.03f, kTextures, meshes, 0.5f, 1, 19);
    const Box basket = enemyBox(e);
    EXPECT_EQ(basket.left, 9.5f);
    EXPECT_EQ(basket.right, 10.5f);
    EXPECT_EQ(basket.bottom, 4.75f);
    EXPECT_EQ(basket.top, 5.75f);

    Rabbit rabbit(10, 0, 0, kTextures);
    Box r = rabbitBox(rabbit);
    EXPECT_FLOAT_EQ(r.left, 10 + 0.25f * rabbit.width);
    EXPECT_FLOAT_EQ(r.right, 10 + 0.75f * rabbit.width);
    EXPECT_FLOAT_EQ(r.bottom, rabbit.y + 0.25f * rabbit.height);
    EXPECT_FLOAT_EQ(r.top, rabbit.y + 0.75f * rabbit.height);
    // A hopping rabbit's box rides the hop's offset.
    rabbit.hopping = 1;
    rabbit.jumpAnimation.offset = {-0.3f, 2, 0};
    r = rabbitBox(rabbit);
    EXPECT_FLOAT_EQ(r.left, 9.7f + 0.25f * rabbit.width);
    EXPECT_FLOAT_EQ(r.bottom, rabbit.y + 2 + 0.25f * rabbit.height);
}

TEST(Boxes, PlayAreaIsOpen) {
    EXPECT_TRUE(insidePlayArea(10, 4, 0, 0));
    EXPECT_TRUE(insidePlayArea(10, 4, -4.99f, 13.99f));
    EXPECT_FALSE(insidePlayArea(10, 4, -5, 0));
    EXPECT_FALSE(insidePlayArea(10, 4, 25, 0));
    EXPECT_FALSE(insidePlayArea(10, 4, 0, 14));
    EXPECT_FALSE(insidePlayArea(10, 4, 0, -6));
    EXPECT_TRUE(insidePlayArea(10, 4, 24.99f, -5.99f));
}

}  // namespace
