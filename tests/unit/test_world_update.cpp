// SPDX-License-Identifier: MIT
// Tests: the world update pass.
#include <gtest/gtest.h>

#include <vector>

#include "app/hidden_modes.h"
#include "gameplay/box.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {

class WorldPass : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& w = *tw.world;

    void SetUp() override {
        freeCameraMode = false;
        w.gameState = Playing;
        w.player->x = 5;  // car box: x 5 to 7.25, y 0 to 2
        restartRandom();
    }
    void TearDown() override { freeCameraMode = false; }

    // A balloon whose bobbing starts at its centre line.
    AirEnemy& addEnemy(float x, float y) {
        w.enemies.emplace_back(x, y, 0.03f, w.textures, w.sphereMeshes, 0.5f, 1.0f, 19.0f);
        w.enemies.back().phase = 0;
        return w.enemies.back();
    }
    // A bullet whose unrotated box starts exactly at (x, y).
    Bullet& addBullet(std::vector<Bullet>& list, float x, float y, float angle = 0) {
        list.emplace_back(angle, 0.0f, 0.0f, 0.05f, w.textures);
        list.back().x = x;
        list.back().y = y;
        return list.back();
    }
    // A 2 by 2 rabbit whose box is the middle square, (x + 0.5, y + 0.5) to
    // (x + 1.5, y + 1.5).
    Rabbit& addRabbit(float x, float y) {
        w.rabbits.emplace_back(x, 0.0f, 0.01f, w.textures);
        Rabbit& rabbit = w.rabbits.back();
        rabbit.y = y;
        rabbit.width = rabbit.height = 2;
        rabbit.insetX = rabbit.insetY = 0.5f;
        return rabbit;
    }
    // The first value of the random sequence from here on, leaving it unmoved.
    float peekRandom() {
        restartRandom();
        const float r = randUnit();
        restartRandom();
        return r;
    }
};

// ---- Spawning ----

TEST_F(WorldPass, SpawnsInDrawOrderDustRabbitThenBalloon) {
    w.scrollSpeed = 10;  // chances above 1: both spawns certain
    std::vector<float> r;
    for (int i = 0; i < 17; ++i) r.push_back(randUnit());
    restartRandom();
    w.updateWorld(1.0f, 1, true);
    ASSERT_EQ(w.rabbits.size(), 1u);
    EXPECT_EQ(w.rabbits[0].width, 1 + r[12]);
    ASSERT_EQ(w.enemies.size(), 1u);
    // 11 draws of dust, the rabbit's chance and two for its size, the
    // balloon's chance, its height, then its phase and speed.
    const AirEnemy& e = w.enemies[0];
    EXPECT_EQ(e.baseY, 4 + 5 * r[15]);
    EXPECT_EQ(e.z, 0.03f);
    EXPECT_EQ(e.radius, 0.5f);
    EXPECT_EQ(e.turnLeftX, 1.0f);
    EXPECT_EQ(e.turnRightX, 19.0f);
    EXPECT_FLOAT_EQ(w.enemyLimit, 2.005f);
}

TEST_F(WorldPass, NoBalloonBeyondTheAllowance) {
    w.scrollSpeed = 10;
    for (int i = 0; i < 3; ++i) addEnemy(10 + i, 8);
    w.updateWorld(0.5f, 1, true);
    EXPECT_EQ(w.enemies.size(), 3u);
    EXPECT_FLOAT_EQ(w.enemyLimit, 2.0025f);
    w.enemyLimit = 3.5f;
    w.updateWorld(0.5f, 1, true);
    EXPECT_EQ(w.enemies.size(), 4u);
}

TEST_F(WorldPass, RabbitsEnterAtTheRightEdgeOnTheGround) {
    w.scrollSpeed = 4;  // chance 2 with dt 1: certain
    w.updateWorld(0.0f, 1, true);  // dt 0: chance 0, nothing
    EXPECT_TRUE(w.rabbits.empty());
    w.player->jumpPhase = 0.5f;  // no dust draws while airborne
    w.enemyLimit = -1;
    restartRandom();
    std::vector<float> r;
    for (int i = 0; i < 4; ++i) r.push_back(randUnit());
    restartRandom();
    w.updateWorld(1.0f, 1, true);
    ASSERT_EQ(w.rabbits.size(), 1u);
    const Rabbit& rabbit = w.rabbits[0];
    const float width = 1 + r[1];
    EXPECT_EQ(rabbit.width, width);
    EXPECT_EQ(rabbit.z, 0.01f);
    EXPECT_FLOAT_EQ(rabbit.y, -0.01f - 0.086f * width);
    // Carried 4 units by the ground in its first update; a hop only moves
    // it when it ends.
    EXPECT_FLOAT_EQ(rabbit.x, 20.0f);
}

// ---- Movement and removal ----

TEST_F(WorldPass, RemovalKeepsOrderAndSkipsNothing) {
    for (int i = 0; i < 6; ++i) {
        w.particles.emplace_back(Vec3{}, 0.0f, 0.0f, 0.0f, true,
                                 SpriteAnimation({1}, {10}, {}, false), static_cast<float>(i));
    }
    // Two neighbours die together, and the last one.
    for (int i : {1, 2, 5}) w.particles[i].animation.running = false;
    w.updateWorld(0.01f, 1, false);
    ASSERT_EQ(w.particles.size(), 3u);
    EXPECT_EQ(w.particles[0].size, 0.0f);
    EXPECT_EQ(w.particles[1].size, 3.0f);
    EXPECT_EQ(w.particles[2].size, 4.0f);

    // Bullets leaving the area next to each other: both go.
    addBullet(w.playerBullets, 10, 5);
    addBullet(w.playerBullets, 24.99f, 5);
    addBullet(w.playerBullets, 24.98f, 6);
    addBullet(w.playerBullets, 12, 5);
    w.updateWorld(0.01f, 1, false);
    ASSERT_EQ(w.playerBullets.size(), 2u);
    EXPECT_FLOAT_EQ(w.playerBullets[0].x, 10.06f);
    EXPECT_FLOAT_EQ(w.playerBullets[1].x, 12.06f);
}

TEST_F(WorldPass, WithoutPlayNothingSpawnsFiresOrCollidesButAllMovesAndLeaves) {
    w.scrollSpeed = 50;  // would make every spawn and shot certain
    w.player->shotCooldown = 0.3f;
    w.player->blinkTimer = 0.2f;
    w.player->health = 50;
    w.score = 3;
    AirEnemy& e = addEnemy(-4.9f, 8);
    e.vx = -2;
    addRabbit(5.5f, 0.5f);  // box x 6 to 7, y 1 to 2: in the car
    addBullet(w.enemyBullets, 5.5f, 1.0f, 180);  // inside the car
    addBullet(w.playerBullets, 20, 0.1f);  // below the ground line
    ScreenShake before = w.shake;

    w.updateWorld(0.01f, 1, false);
    EXPECT_EQ(w.enemies.size(), 1u);
    EXPECT_EQ(w.rabbits.size(), 1u);
    EXPECT_EQ(w.enemyBullets.size(), 1u);
    EXPECT_EQ(w.playerBullets.size(), 1u);
    EXPECT_TRUE(w.explosions.empty());
    EXPECT_EQ(w.particles.size(), 4u);  // just the two trails
    EXPECT_EQ(w.player->shotCooldown, 0.3f);
    EXPECT_EQ(w.player->blinkTimer, 0.2f);
    EXPECT_EQ(w.player->health, 50.0f);
    EXPECT_EQ(w.score, 3);
    EXPECT_EQ(w.enemyLimit, 2.0f);
    EXPECT_EQ(w.shake.amount, before.amount);
    EXPECT_FLOAT_EQ(w.rabbits[0].x, 5.0f);  // 0.5 with the ground (unless it hopped)

    for (int i = 0; i < 250; ++i) w.updateWorld(0.01f, 1, false);
    EXPECT_TRUE(w.enemies.empty());
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_TRUE(w.enemyBullets.empty());
    EXPECT_EQ(w.gameState, Playing);
    EXPECT_EQ(w.score, 3);
    EXPECT_EQ(w.player->health, 50.0f);
}

TEST_F(WorldPass, ExplosionsDriftAndLastTheirFramesPlusOnePass) {
    w.explosions.push_back(createExplosion(1, 10, 4, w.particles, w.textures, w.shake));
    const float x0 = w.explosions[0].x;
    int passes = 0;
    while (!w.explosions.empty() && passes < 100) {
        w.updateWorld(0.02f, 1, false);
        ++passes;
        if (passes == 2) {
            EXPECT_FLOAT_EQ(w.explosions[0].x, x0 - 2 * 0.75f * 0.02f);
        }
    }
    EXPECT_EQ(passes, 24);  // the skipped pass, then 0.46 s > 0.45 s
}

TEST_F(WorldPass, BalloonsDriftOnlyWhenNotFiring) {
    w.player->jumpPhase = 0.5f;  // no dust
    w.enemyLimit = -1;           // no new balloons
    AirEnemy& e = addEnemy(10, 8);
    const float vx = e.vx;
    // Draws: the rabbit's chance, then this balloon's shot.
    restartRandom();
    const float rabbitChance = randUnit();
    const float shot = randUnit();
    restartRandom();
    ASSERT_GE(rabbitChance, 0.1f * 0.75f * 0.5f);
    ASSERT_GE(shot, 0.1f * 0.05f * 0.75f);
    w.updateWorld(0.1f, 3, true);
    ASSERT_EQ(w.enemies.size(), 1u);
    EXPECT_FLOAT_EQ(w.enemies[0].x, (10 + vx * 0.1f) - 0.1f * 0.75f * 3 * 0.1f);
    EXPECT_TRUE(w.enemyBullets.empty());

    w.scrollSpeed = 10000;  // a certain shot
    const float before = w.enemies[0].x;
    const float vxNow = w.enemies[0].vx;
    w.updateWorld(0.01f, 1, true);
    ASSERT_EQ(w.enemies.size(), 1u);
    EXPECT_FLOAT_EQ(w.enemies[0].x, before + vxNow * 0.01f);
    ASSERT_EQ(w.enemyBullets.size(), 1u);
    // Moved once already in the same pass.
    const Bullet& b = w.enemyBullets[0];
    const float gunX = w.enemies[0].x - 0.5f - 0.75f;
    EXPECT_FLOAT_EQ(b.x, gunX + 0.25f + b.dirX * 6 * 0.01f);
}

// ---- Collisions ----

TEST_F(WorldPass, BulletBelowTheGroundExplodesThereEvenOverABalloon) {
    addEnemy(4.8f, 2.0f);  // basket from y 0.75 to 1.75
    addBullet(w.playerBullets, 5, 0.3f);
    ASSERT_TRUE(cornerInside(bulletBox(w.playerBullets[0], 0.5f), enemyBox(w.enemies[0])));
    const float r = peekRandom();
    w.resolveBulletHits(0.5f, w.playerBullets, false);
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_EQ(w.enemies[0].hitsLeft, 3);
    ASSERT_EQ(w.explosions.size(), 1u);
    const Explosion& blast = w.explosions[0];
    EXPECT_FLOAT_EQ(blast.size, 1 + 2 * r);
    EXPECT_FLOAT_EQ(blast.x + blast.size / 2, 6.5f);  // right edge plus margin
    EXPECT_FLOAT_EQ(blast.y + blast.size / 2, 0.0f);
    EXPECT_EQ(w.score, 0);

    addBullet(w.playerBullets, 5, 0.6f);  // the same shot just above the line
    w.resolveBulletHits(0.5f, w.playerBullets, false);
    EXPECT_EQ(w.enemies[0].hitsLeft, 2);
}

TEST_F(WorldPass, AShotGrazingTwoBalloonsHitsOnlyTheFirst) {
    addEnemy(10, 6);     // basket x 9.5 to 10.5, y 4.75 to 5.75
    addEnemy(10.2f, 6);  // basket x 9.7 to 10.7
    addBullet(w.playerBullets, 10.5f, 4.25f);  // upper left corner (10, 5.25)
    w.resolveBulletHits(0.5f, w.playerBullets, false);
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_EQ(w.enemies[0].hitsLeft, 2);
    EXPECT_EQ(w.enemies[1].hitsLeft, 3);
    EXPECT_EQ(w.explosions.size(), 1u);
}

TEST_F(WorldPass, ThreeHitsGiveNothingNothingThenFourAndABigBlast) {
    addEnemy(10, 6);
    const int expectedScore[] = {0, 0, 4};
    for (int hit = 0; hit < 3; ++hit) {
        addBullet(w.playerBullets, 10.5f, 4.25f);
        const float r = peekRandom();
        w.resolveBulletHits(0.5f, w.playerBullets, false);
        EXPECT_EQ(w.score, expectedScore[hit]);
        const Explosion& blast = w.explosions.back();
        EXPECT_FLOAT_EQ(blast.size, (1 + 2 * r) * (hit == 2 ? 2 : 1));
        // The basket: 0.25 right of and 0.85 below the balloon's centre.
        EXPECT_FLOAT_EQ(blast.x + blast.size / 2, 10.25f);
        EXPECT_FLOAT_EQ(blast.y + blast.size / 2, 5.15f);
        if (hit < 2) {
            ASSERT_EQ(w.enemies.size(), 1u);
            EXPECT_EQ(w.enemies[0].hitsLeft, 2 - hit);
        }
    }
    EXPECT_TRUE(w.enemies.empty());
    EXPECT_GE(w.shake.amount, 0.4f);
}

TEST_F(WorldPass, ShotRabbitScoresAndTakesTheBullet) {
    addRabbit(10, 0);
    addBullet(w.playerBullets, 11.5f, 1.5f);  // lower left corner (11, 1)
    addEnemy(11.2f, 3.5f);  // upper left corner (11, 2.5) in its basket, spared
    w.resolveBulletHits(0.5f, w.playerBullets, false);
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_EQ(w.enemies[0].hitsLeft, 3);
    EXPECT_EQ(w.score, 1);
    ASSERT_EQ(w.explosions.size(), 1u);
    EXPECT_FLOAT_EQ(w.explosions[0].x + w.explosions[0].size / 2, 11.0f);
    EXPECT_FLOAT_EQ(w.explosions[0].y + w.explosions[0].size / 2, 1.0f);
}

TEST_F(WorldPass, EnemyBulletsHitTheCarAndAlsoKillForThePlayer) {
    addBullet(w.enemyBullets, 4.5f, 1.0f, 225);  // corner (5.5, 1) inside the car
    w.score = 0;
    w.resolveBulletHits(0, w.enemyBullets, true);
    EXPECT_EQ(w.score, 0);  // no point to lose
    EXPECT_EQ(w.player->health, 90.0f);
    EXPECT_EQ(w.player->blinkTimer, 0.3f);
    ASSERT_EQ(w.explosions.size(), 1u);
    EXPECT_FLOAT_EQ(w.explosions[0].x + w.explosions[0].size / 2, 6.125f);
    EXPECT_FLOAT_EQ(w.explosions[0].y + w.explosions[0].size / 2, 1.0f);

    w.score = 5;
    addBullet(w.enemyBullets, 4.5f, 1.0f, 225);
    w.resolveBulletHits(0, w.enemyBullets, true);
    EXPECT_EQ(w.score, 4);

    // A miss that strikes a rabbit counts for the player.
    addRabbit(12, 0);
    addBullet(w.enemyBullets, 12, 1, 225);  // lower right corner (13, 1)
    w.resolveBulletHits(0, w.enemyBullets, true);
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_EQ(w.score, 5);
}

TEST_F(WorldPass, RabbitEnclosingTheCarWithoutACornerInsideDoesNotCollide) {
    Rabbit& rabbit = addRabbit(0, -3);
    rabbit.width = rabbit.height = 12;
    rabbit.insetX = rabbit.insetY = 1;  // box x 1 to 11, y -2 to 8 around the car
    w.updateWorld(0, 1, true);
    EXPECT_EQ(w.rabbits.size(), 1u);
    EXPECT_EQ(w.player->health, 100.0f);

    w.rabbits[0].x = 5.5f;  // box x 6 to 7, y -0.5 to 0.5: upper corners in the car
    w.rabbits[0].y = -1;
    w.rabbits[0].width = w.rabbits[0].height = 2;
    w.rabbits[0].insetX = w.rabbits[0].insetY = 0.5f;
    w.score = 2;
    w.updateWorld(0, 1, true);
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_EQ(w.player->health, 90.0f);
    EXPECT_EQ(w.score, 1);
    EXPECT_EQ(w.explosions.size(), 1u);
}

TEST_F(WorldPass, NeighbouringRabbitsRunningIntoTheCarBothHit) {
    addRabbit(0, 10);  // high above, stays
    addRabbit(5.5f, -1);
    addRabbit(5.2f, -1);
    addRabbit(5.0f, -1);
    addRabbit(15, 0);  // out of reach, stays
    w.score = 10;
    w.updateWorld(0, 1, true);
    ASSERT_EQ(w.rabbits.size(), 2u);
    EXPECT_EQ(w.rabbits[0].y, 10.0f);
    EXPECT_EQ(w.rabbits[1].x, 15.0f);
    EXPECT_EQ(w.player->health, 70.0f);
    EXPECT_EQ(w.score, 7);
    EXPECT_EQ(w.explosions.size(), 3u);
}

TEST_F(WorldPass, BalloonRammingTheCarCostsTwentyHealth) {
    addEnemy(5.5f, 2.5f);  // basket from 1.25 to 2.25 reaches into the car
    w.score = 1;
    w.updateWorld(0, 1, true);
    EXPECT_TRUE(w.enemies.empty());
    EXPECT_EQ(w.player->health, 80.0f);
    EXPECT_EQ(w.score, 0);
    ASSERT_EQ(w.explosions.size(), 1u);
    EXPECT_FLOAT_EQ(w.explosions[0].x + w.explosions[0].size / 2, 5.75f);
}

TEST_F(WorldPass, OpposingBulletsShootEachOtherDown) {
    addBullet(w.playerBullets, 10, 8);
    addBullet(w.playerBullets, 15, 8);
    addBullet(w.enemyBullets, 2, 8, 225);
    addBullet(w.enemyBullets, 10.5f, 8.25f, 225);
    w.updateWorld(0, 1, true);
    ASSERT_EQ(w.playerBullets.size(), 1u);
    EXPECT_EQ(w.playerBullets[0].x, 15.0f);
    ASSERT_EQ(w.enemyBullets.size(), 1u);
    EXPECT_EQ(w.enemyBullets[0].x, 2.0f);
    ASSERT_EQ(w.explosions.size(), 1u);
    EXPECT_FLOAT_EQ(w.explosions[0].x + w.explosions[0].size / 2, 11.0f);
    EXPECT_FLOAT_EQ(w.explosions[0].y + w.explosions[0].size / 2, 8.5f);
}

// ---- Death ----

TEST_F(WorldPass, ExactlyZeroHealthDies) {
    w.player->health = 10.0001f;
    addBullet(w.enemyBullets, 4.5f, 1.0f, 225);
    w.updateWorld(0, 1, true);
    EXPECT_EQ(w.gameState, Playing);

    w.player->health = 10;
    w.shake.amount = 0;
    addBullet(w.enemyBullets, 4.5f, 1.0f, 225);
    w.updateWorld(0, 1, true);
    EXPECT_EQ(w.player->health, 0.0f);
    EXPECT_EQ(w.gameState, Dying);
    // The entry action of dying ran: drive out from here, a big jolt.
    EXPECT_EQ(w.transitionFromX, 5.0f);
    EXPECT_EQ(w.transitionToX, -4.0f);
    EXPECT_GE(w.shake.amount, 2.0f);
}

TEST_F(WorldPass, FreeCameraModeTakesNoDamageButKeepsScore) {
    freeCameraMode = true;
    w.score = 3;
    for (int i = 0; i < 20; ++i) {
        addBullet(w.enemyBullets, 4.5f, 1.0f, 225);
        addEnemy(5.5f, 2.5f);
        w.updateWorld(0, 1, true);
    }
    EXPECT_EQ(w.player->health, 100.0f);
    EXPECT_EQ(w.player->blinkTimer, 0.0f);
    EXPECT_EQ(w.gameState, Playing);
    EXPECT_EQ(w.score, 0);
    EXPECT_EQ(w.explosions.size(), 40u);
}

// ---- Shooting ----

TEST_F(WorldPass, ShootWaitsForTheCooldown) {
    w.player->shotCooldown = 0.0001f;
    w.shoot(Fire);
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_TRUE(w.particles.empty());

    w.player->shotCooldown = 0;
    w.shoot(Fire);
    ASSERT_EQ(w.playerBullets.size(), 1u);
    ASSERT_EQ(w.particles.size(), 1u);  // the muzzle flash
    EXPECT_FLOAT_EQ(w.player->shotCooldown, 1.0f / 3);
    const Player& car = *w.player;
    EXPECT_EQ(w.playerBullets[0].x, car.x + car.turretPivotX);
    EXPECT_EQ(w.playerBullets[0].y, car.turretPivotY - 0.17f);
    EXPECT_EQ(w.playerBullets[0].z, 0.05f);
    EXPECT_EQ(w.particles[0].x, car.x + car.turretPivotX + 0.2f);
    EXPECT_EQ(w.particles[0].y, car.turretPivotY);
    EXPECT_TRUE(w.particles[0].fades);

    w.shoot(Fire);  // too soon
    EXPECT_EQ(w.playerBullets.size(), 1u);
    w.player->shotCooldown = -0.01f;
    w.player->turretAngle = 90;
    w.player->jumpPhase = 0.5f;
    w.shoot(Fire);
    ASSERT_EQ(w.playerBullets.size(), 2u);
    EXPECT_EQ(w.playerBullets[1].x, car.x + car.turretPivotX + 0.25f);
    EXPECT_EQ(w.playerBullets[1].y, car.turretPivotY + 2 - 0.17f);
}

TEST_F(WorldPass, ShootForwardsOtherActionsToTheCar) {
    w.shoot(MoveRight);
    EXPECT_EQ(w.player->x, 5.5f);
    w.shoot(TurretUp);
    EXPECT_EQ(w.player->turretAngle, 45.0f);
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_TRUE(w.particles.empty());
}

TEST_F(WorldPass, SpawnExplosionScalesARandomSize) {
    const float r = peekRandom();
    w.spawnExplosion(3, 4, 2);
    ASSERT_EQ(w.explosions.size(), 1u);
    EXPECT_FLOAT_EQ(w.explosions[0].size, (1 + 2 * r) * 2);
    EXPECT_FLOAT_EQ(w.explosions[0].x + w.explosions[0].size / 2, 3.0f);
    EXPECT_FLOAT_EQ(w.shake.amount, 0.2f * w.explosions[0].size);
}

}  // namespace
