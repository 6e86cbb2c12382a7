// SPDX-License-Identifier: MIT
// Tests: particles and emitters.
#include <gtest/gtest.h>

#include <vector>

#include "gameplay/animation_kinds.h"
#include "gameplay/emitters.h"
#include "gameplay/particle.h"
#include "gameplay/player.h"
#include "geometry/random.h"
#include "support/numbered_textures.h"

namespace {

const TextureTable kTextures = numberedTextures();

// The next n values of a fresh random sequence, as the emitters see them.
std::vector<float> freshDraws(int n) {
    restartRandom();
    std::vector<float> r;
    for (int i = 0; i < n; ++i) r.push_back(randUnit());
    restartRandom();
    return r;
}

// How many draws have been taken since restartRandom(), found by locating
// the next few values in a fresh sequence.
int drawsTaken() {
    int next[4];
    for (int& v : next) v = gameRand();
    restartRandom();
    std::vector<int> sequence;
    for (int i = 0; i < 20000; ++i) sequence.push_back(gameRand());
    for (std::size_t i = 0; i + 4 <= sequence.size(); ++i) {
        if (sequence[i] == next[0] && sequence[i + 1] == next[1] &&
            sequence[i + 2] == next[2] && sequence[i + 3] == next[3])
            return static_cast<int>(i);
    }
    return -1;
}

TEST(Particle, StartsBehindThePlayPlaneAtRest) {
    Particle p({1, 2, 3}, 4, 5, 0.5f, true, makeFireAnimation(kTextures, 0.9f), 0.1f);
    EXPECT_EQ(p.z, -0.01f);
    EXPECT_EQ(p.x, 4.0f);
    EXPECT_EQ(p.vz, 3.0f);
    EXPECT_FALSE(p.dead);
    EXPECT_FALSE(p.fades);
    EXPECT_EQ(p.spinRate, 0.0f);
    EXPECT_EQ(p.age, 0.0f);
}

TEST(Particle, GravityAndDrag) {
    Particle falling({1, 0, 0}, 0, 0, 0, false, makeFireAnimation(kTextures, 1), 0.1f);
    falling.update(0.1f, 0.75);
    EXPECT_FLOAT_EQ(falling.x, 0.1f);
    EXPECT_FLOAT_EQ(falling.y, 0.0f);  // moves before it falls
    EXPECT_FLOAT_EQ(falling.vy, -0.9f);
    EXPECT_FLOAT_EQ(falling.vx, 1.0f);

    Particle dragged({2, 3, 0}, 0, 0, 1, true, makeFireAnimation(kTextures, 1), 0.1f);
    dragged.update(0.02f, 0.75);
    EXPECT_FLOAT_EQ(dragged.vy, 0.98f * 3);
    EXPECT_FLOAT_EQ(dragged.vx, 0.98f * 2 + 0.02f * -0.75f * 0.02f);
    EXPECT_FLOAT_EQ(dragged.y, 0.06f);

    // A drag step larger than the whole velocity stops at the ground's pull.
    Particle heavy({2, 3, 0}, 0, 0, 100, true, makeFireAnimation(kTextures, 1), 0.1f);
    heavy.update(0.1f, 1.0);
    EXPECT_FLOAT_EQ(heavy.vx, -0.1f);
    EXPECT_EQ(heavy.vy, 0.0f);
}

TEST(Particle, OneFrameDustLivesThroughTheSkipAndThenItsLifetime) {
    Particle p({0, 0, 0}, 0, 0, 0, false, makeGrassAnimation(kTextures, 0.3f), 0.05f);
    p.update(0.1f, 0.75);  // skipped by the animation
    EXPECT_FALSE(p.dead);
    p.update(0.1f, 0.75);
    p.update(0.1f, 0.75);
    EXPECT_FALSE(p.dead);
    p.update(0.1f, 0.75);  // 0.3 in the frame: not yet past it
    EXPECT_FALSE(p.dead);
    p.update(0.001f, 0.75);
    EXPECT_TRUE(p.dead);
}

TEST(Emitters, BulletTrailPairFirstIsOlderAndMoved) {
    const std::vector<float> r = freshDraws(10);
    std::vector<Particle> particles;
    emitBulletTrail(particles, kTextures, 0.75, 10.0f, 5.0f, -1.0f, 0.0f);
    ASSERT_EQ(particles.size(), 2u);
    EXPECT_EQ(drawsTaken(), 10);

    const Particle& first = particles[0];
    const float px = 10.0f + (r[0] * 0.02f * 2 - 0.02f);
    const float py = 5.0f + (r[1] * 0.02f * 2 - 0.02f);
    EXPECT_FLOAT_EQ(first.age, 0.02f);
    EXPECT_FALSE(first.animation.skipNextUpdate);
    EXPECT_FLOAT_EQ(first.x, px - 0.02f);
    EXPECT_FLOAT_EQ(first.y, py);
    EXPECT_FLOAT_EQ(first.vx, -0.98f + 0.02f * -0.75f * 0.02f);
    EXPECT_FLOAT_EQ(first.animation.frameDurations[0], (0.1f + 0.4f * r[2]) / 9);
    EXPECT_FLOAT_EQ(first.size, 0.02f + 0.099999994f * r[3]);
    EXPECT_FLOAT_EQ(first.spinRate, 180 + 540 * r[4]);
    EXPECT_TRUE(first.noGravity);
    EXPECT_EQ(first.drag, 1.0f);

    const Particle& second = particles[1];
    EXPECT_EQ(second.age, 0.0f);
    EXPECT_TRUE(second.animation.skipNextUpdate);
    EXPECT_FLOAT_EQ(second.x, px + (r[5] * 0.02f * 2 - 0.02f));
    EXPECT_FLOAT_EQ(second.y, py + (r[6] * 0.02f * 2 - 0.02f));
    EXPECT_EQ(second.vx, -1.0f);
    EXPECT_FLOAT_EQ(second.animation.frameDurations[0], (0.1f + 0.4f * r[7]) / 9);
    EXPECT_FLOAT_EQ(second.size, 0.02f + 0.099999994f * r[8]);
    EXPECT_FLOAT_EQ(second.spinRate, 180 + 540 * r[9]);
    EXPECT_EQ(second.animation.frameTextures[0], slot(27));
}

TEST(Emitters, MuzzleFlashLeapsAndFadesOverItsLife) {
    const std::vector<float> r = freshDraws(5);
    std::vector<Particle> particles;
    emitMuzzleFlash(particles, kTextures, 3, 4);
    ASSERT_EQ(particles.size(), 1u);
    EXPECT_EQ(drawsTaken(), 5);
    const Particle& p = particles[0];
    EXPECT_FLOAT_EQ(p.vx, 2 * r[0] - 1);
    EXPECT_FLOAT_EQ(p.vy, 2 * r[1] + 2.5f);
    const float lifetime = 0.9f * r[2] + 0.6f;
    EXPECT_EQ(p.animation.frameDurations, std::vector<float>{lifetime});
    EXPECT_EQ(p.animation.frameTextures, std::vector<unsigned int>{slot(51)});
    EXPECT_FLOAT_EQ(p.size, 0.3f * r[3] + 0.3f);
    EXPECT_FLOAT_EQ(p.spinRate, 90 * r[4] - 45);
    EXPECT_TRUE(p.fades);
    EXPECT_EQ(p.fadeTime, lifetime);
    EXPECT_FALSE(p.noGravity);
    EXPECT_EQ(p.x, 3.0f);
    EXPECT_EQ(p.y, 4.0f);
}

TEST(Emitters, WheelDustOnlyOnTheGround) {
    Player car;
    car.x = 2;
    car.jumpPhase = 0.3f;
    std::vector<Particle> particles;
    restartRandom();
    emitWheelDust(particles, kTextures, car);
    EXPECT_TRUE(particles.empty());
    EXPECT_EQ(drawsTaken(), 0);

    car.jumpPhase = 0;
    const std::vector<float> r = freshDraws(11);
    emitWheelDust(particles, kTextures, car);
    ASSERT_EQ(particles.size(), 2u);
    EXPECT_EQ(drawsTaken(), 11);

    const Particle& small = particles[0];
    EXPECT_EQ(small.animation.frameTextures[0], r[0] < 0.5f ? slot(47) : slot(48));
    EXPECT_FLOAT_EQ(small.animation.frameDurations[0], 0.99999994f * r[1] + 0.3f);
    EXPECT_FLOAT_EQ(small.x, car.smallWheelSize * 0.5f + car.smallWheelX - 0.1f + 2);
    EXPECT_EQ(small.y, 0.0f);
    EXPECT_FLOAT_EQ(small.size, 0.08f * r[2] + 0.01f);
    EXPECT_FLOAT_EQ(small.vy, 1.4f * r[3] + 0.6f);
    EXPECT_FLOAT_EQ(small.vx, -(1.4f * r[4] + 0.6f));
    EXPECT_EQ(small.spinRate, 0.0f);
    EXPECT_FALSE(small.noGravity);

    const Particle& big = particles[1];
    EXPECT_EQ(big.animation.frameTextures[0], r[5] < 0.5f ? slot(47) : slot(48));
    EXPECT_FLOAT_EQ(big.x, car.bigWheelSize * 0.5f + car.bigWheelX - 0.2f + 2);
    EXPECT_FLOAT_EQ(big.vx, -(1.4f * r[9] + 0.6f));
    EXPECT_FLOAT_EQ(big.spinRate, 180 + 540 * r[10]);
}

TEST(Emitters, ExplosionBurstAroundTheCentre) {
    const std::vector<float> r = freshDraws(1);
    const int count = static_cast<int>(20 + 40 * r[0]);
    std::vector<Particle> particles;
    emitExplosionBurst(particles, kTextures, 6, 7, 2);
    ASSERT_EQ(static_cast<int>(particles.size()), count);
    EXPECT_EQ(drawsTaken(), 1 + 6 * count);
    for (const Particle& p : particles) {
        EXPECT_NEAR(p.x, 6.0f, 0.1f + 1e-5f);
        EXPECT_NEAR(p.y, 7.0f, 0.1f + 1e-5f);
        EXPECT_GE(p.vy, 0.0f);
        EXPECT_LE(p.vy, 5.0f);
        EXPECT_GE(p.vx, -2.5f);
        EXPECT_LE(p.vx, 2.5f);
        EXPECT_GE(p.size, 0.01f);
        EXPECT_LE(p.size, 0.08f + 1e-6f);
        EXPECT_EQ(p.animation.frameTextures.size(), 9u);
        EXPECT_FALSE(p.noGravity);
    }
}

}  // namespace
