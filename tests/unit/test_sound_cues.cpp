// SPDX-License-Identifier: MIT
// The sound cues a scripted game leaves for the audio, and the voice pool's
// rule for which sound gives way when every voice is busy.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "audio/cue_sounds.h"
#include "audio/sound_system.h"
#include "audio/voice_pool.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {

class SoundCues : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& w = *tw.world;

    void SetUp() override {
        modelManager = &w;
        freeCameraMode = false;
        w.gameState = Playing;
        w.player->x = 5;  // centre at 6.125
        restartRandom();
    }
    void TearDown() override { modelManager = nullptr; }

    std::vector<CueKind> kinds() const {
        std::vector<CueKind> k;
        for (const SoundCue& c : w.cues) k.push_back(c.kind);
        return k;
    }
    void pass() { w.updateWorld(1.0f / 60, 1, true); }
};

TEST_F(SoundCues, KeysCueTheShotTurretAndJumpOnlyWhenTheyAct) {
    handleKey(' ');
    ASSERT_EQ(w.cues.size(), 1u);
    EXPECT_EQ(w.cues[0].kind, CueKind::PlayerShot);
    EXPECT_FLOAT_EQ(w.cues[0].x, 5 + w.player->turretPivotX);
    handleKey(' ');  // the cooldown refuses a second shot
    handleKey('l');  // 0 -> -45
    handleKey('l');  // already at -45: nothing
    handleKey('a');  // driving is silent
    handleKey('w');
    handleKey('w');  // in the air: nothing
    EXPECT_EQ(kinds(), (std::vector<CueKind>{CueKind::PlayerShot, CueKind::TurretTurn,
                                             CueKind::Jump}));
    EXPECT_FLOAT_EQ(w.cues[2].x, 4.5f + 1.125f);

    // The landing is heard once, on the pass that ends the half-second jump.
    w.cues.clear();
    int landedOn = 0;
    for (int f = 1; f <= 40; ++f) {
        tw.frame(16);
        for (const SoundCue& c : w.cues) {
            if (c.kind == CueKind::Land) {
                EXPECT_EQ(landedOn, 0);
                landedOn = f;
            }
        }
        w.cues.clear();  // as the application does after each frame
    }
    EXPECT_EQ(landedOn, 30);
}

TEST_F(SoundCues, ABalloonIsHitTwiceThenDestroyedWithABiggerBlast) {
    w.enemies.emplace_back(10.0f, 8.0f, 0.03f, w.textures, w.sphereMeshes, 0.5f, 1.0f, 19.0f);
    w.enemies[0].phase = 0;  // bobbing from its centre line
    std::vector<SoundCue> heard;
    for (int shot = 0; shot < 3 && !w.enemies.empty(); ++shot) {
        const AirEnemy& e = w.enemies[0];
        w.playerBullets.emplace_back(90.0f, 0.0f, 0.0f, 0.05f, w.textures);
        // The box's lower left corner (margin 0.5) inside the basket.
        w.playerBullets.back().x = e.x + 0.3f;
        w.playerBullets.back().y = e.y - 0.25f;
        const float blastX = e.x + 0.25f;
        w.cues.clear();
        pass();
        for (const SoundCue& c : w.cues) {
            if (c.kind == CueKind::RabbitHop) continue;
            heard.push_back(c);
            EXPECT_NEAR(c.x, blastX, 0.05f);  // the basket, after the balloon moved
            EXPECT_EQ(c.strength, w.explosions.back().size);
        }
    }
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].kind, CueKind::BalloonHit);
    EXPECT_EQ(heard[1].kind, CueKind::BalloonHit);
    EXPECT_EQ(heard[2].kind, CueKind::BalloonDestroyed);
    EXPECT_GE(heard[2].strength, 2.0f);
    EXPECT_TRUE(w.enemies.empty());
    // Louder with size: a doubled blast is never quieter than a hit.
    const CueSound& big = cueSound(CueKind::BalloonDestroyed);
    EXPECT_LT(cueGain(big, 2), cueGain(big, 4));
    EXPECT_EQ(cueGain(big, 6), cueGain(big, 9));  // held at full loudness
}

TEST_F(SoundCues, TheLastHitOnTheCarIsHeardThenItsDeathAndDriveOut) {
    w.player->health = 9;  // 9.025 after the pass regenerates, then the hit
    w.enemyBullets.emplace_back(270.0f, 0.0f, 0.0f, 0.05f, w.textures);
    w.enemyBullets.back().x = 5.5f;
    w.enemyBullets.back().y = 1.0f;
    pass();
    EXPECT_EQ(w.gameState, Dying);
    EXPECT_EQ(kinds(), (std::vector<CueKind>{CueKind::PlayerHit, CueKind::PlayerDeath,
                                             CueKind::DriveOut}));
    EXPECT_FLOAT_EQ(w.cues[0].x, 5 + 1.125f);
    EXPECT_FLOAT_EQ(w.cues[1].x, 5 + 1.125f);
    EXPECT_FLOAT_EQ(w.cues[2].x, 5);
}

TEST_F(SoundCues, UnheardCuesKeepOnlyTheNewest) {
    for (unsigned i = 0; i < kMaxPendingCues + 10; ++i) w.cue(CueKind::Land, static_cast<float>(i));
    ASSERT_EQ(w.cues.size(), kMaxPendingCues);
    EXPECT_EQ(w.cues.front().x, 10.0f);
    EXPECT_EQ(w.cues.back().x, static_cast<float>(kMaxPendingCues + 9));
}

TEST(VoicePool, AFreeVoiceFirstThenTheLeastImportantQuietestOldest) {
    VoicePool pool(3);
    EXPECT_EQ(pool.pick(1, 0.5f), 0);
    pool.start(0, 2, 0.5f);
    pool.start(1, 1, 0.8f);
    EXPECT_EQ(pool.pick(1, 0.5f), 2);
    pool.start(2, 1, 0.8f);
    struct Case {
        int priority;
        float gain;
        int voice;
    };
    // Voices: 0 (priority 2, 0.5), 1 (1, 0.8, older), 2 (1, 0.8, newer).
    for (const Case& c : {Case{1, 0.8f, 1},   // equal: the oldest gives way
                          Case{5, 0.1f, 1},   // a hit or death always gets a voice
                          Case{1, 0.3f, -1},  // a quieter equal sound is skipped
                          Case{0, 1.0f, -1}}) {
        EXPECT_EQ(pool.pick(c.priority, c.gain), c.voice) << c.priority << " " << c.gain;
    }
    pool.voices[2].gain = 0.2f;  // now the quietest of the least important
    EXPECT_EQ(pool.pick(4, 1.0f), 2);
    pool.voices[1].busy = false;  // a voice that finished is free again
    EXPECT_EQ(pool.pick(0, 0.1f), 1);
}

TEST(SoundPlacement, ScreenEdgesPanFullyAndBeyondIsHeld) {
    SoundFrame f;
    f.screenLeft = -2;
    f.screenRight = 22;
    EXPECT_EQ(SoundSystem::pan(-2, f), -1.0f);
    EXPECT_EQ(SoundSystem::pan(10, f), 0.0f);
    EXPECT_EQ(SoundSystem::pan(16, f), 0.5f);
    EXPECT_EQ(SoundSystem::pan(24, f), 1.0f);
    EXPECT_EQ(SoundSystem::pan(-5, f), -1.0f);
    EXPECT_EQ(SoundSystem::pan(std::nanf(""), f), -1.0f);
}

}  // namespace
