// SPDX-License-Identifier: MIT
// Tests: sprite animations.
#include <gtest/gtest.h>

#include <set>

#include "gameplay/animation_kinds.h"
#include "gameplay/sprite_animation.h"
#include "geometry/random.h"
#include "support/numbered_textures.h"

namespace {

const TextureTable kTextures = numberedTextures();

TEST(SpriteAnimation, StartsOnFirstFrameWithZeroOffsetsWhenNoneGiven) {
    SpriteAnimation a({1, 2, 3}, {0.5f, 0.5f, 0.5f}, {}, false);
    EXPECT_EQ(a.frame, 0);
    EXPECT_EQ(a.elapsed, 0);
    EXPECT_TRUE(a.running);
    EXPECT_TRUE(a.skipNextUpdate);
    EXPECT_FALSE(a.looping);
    ASSERT_EQ(a.frameOffsets.size(), 3u);
    for (const Vec3& o : a.frameOffsets) EXPECT_EQ(o, (Vec3{0, 0, 0}));
}

TEST(SpriteAnimation, ExplosionUnderTwoLongUpdatesSkipsThenRunsOut) {
    SpriteAnimation a = makeExplosionAnimation(kTextures);
    EXPECT_EQ(a.update(1.0f), 0.0f);  // only consumes the skip flag
    EXPECT_EQ(a.frame, 0);
    EXPECT_TRUE(a.running);
    EXPECT_EQ(a.elapsed, 0.0f);

    // 1.0 - (0 + 0.1 + 7 * 0.05) = 0.55 left over after the ninth frame.
    EXPECT_NEAR(a.update(1.0f), 0.55f, 1e-5f);
    EXPECT_FALSE(a.running);
    EXPECT_EQ(a.frame, 0);
}

TEST(SpriteAnimation, FireOfLifetimePointNineEndsAfterNineUpdatesJustAboveATenth) {
    SpriteAnimation a = makeFireAnimation(kTextures, 0.9f);
    ASSERT_EQ(a.frameDurations.size(), 9u);
    for (float d : a.frameDurations) EXPECT_FLOAT_EQ(d, 0.1f);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(a.frameTextures[i], slot(27 + i));

    a.update(0.1001f);  // skipped
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(a.update(0.1001f), 0.0f);
        EXPECT_EQ(a.frame, i);
        EXPECT_TRUE(a.running);
    }
    EXPECT_NEAR(a.update(0.1001f), 0.0009f, 1e-5f);
    EXPECT_FALSE(a.running);
}

TEST(SpriteAnimation, AnUpdateEqualToTheFrameTimeDoesNotAdvance) {
    SpriteAnimation a({1, 2}, {0.5f, 0.25f}, {}, false);
    a.update(0.5f);
    a.update(0.5f);
    EXPECT_EQ(a.frame, 0);
    a.update(0.25f);  // 0.75 against 0.5, then 0.25 against 0.25: one step only
    EXPECT_EQ(a.frame, 1);
    EXPECT_EQ(a.elapsed, 0.25f);
    a.update(0.0f);
    EXPECT_EQ(a.frame, 1);
    EXPECT_TRUE(a.running);
}

TEST(SpriteAnimation, ZeroLengthFrameIsNeverSkippedOver) {
    SpriteAnimation a({1, 2, 3}, {0.1f, 0.0f, 0.1f}, {}, false);
    a.update(0);
    a.update(1.0f);  // a long frame stops at the zero-length frame
    EXPECT_EQ(a.frame, 1);
    EXPECT_TRUE(a.running);
    EXPECT_NEAR(a.update(0.01f), 0.81f, 1e-5f);
    EXPECT_FALSE(a.running);
}

TEST(SpriteAnimation, RandomOrderNeverShowsAFrameTwiceInARow) {
    restartRandom();
    SpriteAnimation a = makeBulletAnimation(kTextures);
    ASSERT_TRUE(a.randomOrder);
    EXPECT_EQ(a.frameTextures,
              (std::vector<unsigned int>{slot(15), slot(16), slot(17), slot(45), slot(46)}));
    a.update(0.016f);
    std::set<int> seen;
    int previous = a.frame;
    for (int i = 0; i < 2000; ++i) {
        a.update(0.016f);
        ASSERT_NE(a.frame, previous) << "update " << i;
        ASSERT_GE(a.frame, 0);
        ASSERT_LT(a.frame, 5);
        seen.insert(a.frame);
        previous = a.frame;
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST(SpriteAnimation, RunOutKeepsLastOffsetThenRestartGoesBackToTheStart) {
    const float w = 1.5f;
    SpriteAnimation a = makeRabbitHopAnimation(kTextures, w);
    a.update(0);
    float left = 0;
    int updates = 0;
    while (a.running && updates < 1000) {
        left = a.update(0.06f);
        ++updates;
    }
    ASSERT_FALSE(a.running);
    // 1.15 s of frames at 0.06 per update: done on the 20th update.
    EXPECT_EQ(updates, 20);
    EXPECT_NEAR(left, 0.05f, 1e-4f);
    EXPECT_EQ(a.frame, 0);
    // The offset still holds the last frame shown, the landing point.
    EXPECT_FLOAT_EQ(a.offset.x, -0.7f);
    EXPECT_FLOAT_EQ(a.offset.y, -0.1f);

    // Further updates play the frames again although running stays false.
    a.update(0.15f);
    EXPECT_EQ(a.frame, 1);
    EXPECT_FALSE(a.running);

    a.restart();
    EXPECT_TRUE(a.running);
    EXPECT_TRUE(a.skipNextUpdate);
    EXPECT_EQ(a.frame, 0);
    EXPECT_EQ(a.elapsed, 0);
    EXPECT_EQ(a.offset, (Vec3{0, 0, 0}));
    a.update(5.0f);
    EXPECT_EQ(a.frame, 0);  // the skip again
}

TEST(AnimationKinds, FramesTimesAndOffsets) {
    SpriteAnimation explosion = makeExplosionAnimation(kTextures);
    ASSERT_EQ(explosion.frameTextures.size(), 9u);
    EXPECT_EQ(explosion.frameTextures.front(), slot(18));
    EXPECT_EQ(explosion.frameTextures.back(), slot(26));
    float total = 0;
    for (float d : explosion.frameDurations) total += d;
    EXPECT_NEAR(total, 0.45f, 1e-6f);
    EXPECT_EQ(explosion.frameDurations[0], 0.0f);

    EXPECT_EQ(makeGrassAnimation(kTextures, 0.4f).frameTextures,
              std::vector<unsigned int>{slot(47)});
    EXPECT_EQ(makeGroundAnimation(kTextures, 0.4f).frameTextures,
              std::vector<unsigned int>{slot(48)});
    SpriteAnimation flash = makeFlashAnimation(kTextures, 0.7f);
    EXPECT_EQ(flash.frameTextures, std::vector<unsigned int>{slot(51)});
    EXPECT_EQ(flash.frameDurations, std::vector<float>{0.7f});

    SpriteAnimation idle = makeRabbitIdleAnimation(kTextures);
    EXPECT_EQ(idle.frameTextures,
              (std::vector<unsigned int>{slot(36), slot(37), slot(38), slot(39)}));
    EXPECT_EQ(idle.frameDurations, (std::vector<float>{0.5f, 0.1f, 0.5f, 0.1f}));

    SpriteAnimation hop = makeRabbitHopAnimation(kTextures, 2.0f);
    EXPECT_EQ(hop.frameTextures,
              (std::vector<unsigned int>{slot(40), slot(41), slot(42), slot(42), slot(42),
                                         slot(42), slot(43), slot(43), slot(44)}));
    total = 0;
    for (float d : hop.frameDurations) total += d;
    EXPECT_NEAR(total, 1.15f, 1e-6f);
    ASSERT_EQ(hop.frameOffsets.size(), 9u);
    EXPECT_FLOAT_EQ(hop.frameOffsets[4].x, -0.3f);
    EXPECT_FLOAT_EQ(hop.frameOffsets[4].y, 2.36f);  // the peak, 1.18 widths up
    EXPECT_FLOAT_EQ(hop.frameOffsets[8].x, -0.7f);
}

}  // namespace
