// SPDX-License-Identifier: MIT
// Tests: keys and typed sequences.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "support/test_world.h"

namespace {
class Keyboard : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& world = *tw.world;
    std::vector<bool> mouseSwitches;

    void SetUp() override {
        modelManager = &world;
        tintMode = false;
        freeCameraMode = false;
        tintSequence.progress = 0;
        freeCameraSequence.progress = 0;
        switchMouseCallback = [this](bool on) { mouseSwitches.push_back(on); };
    }
    void TearDown() override { freeCameraMode = false; tintMode = false; }

    void type(const std::string& keys) {
        for (char c : keys) handleKey(static_cast<unsigned char>(c));
    }
    void play() {
        world.switchState(Playing);
    }
};
}  // namespace

TEST_F(Keyboard, TintSequenceFlipsInAnyCaseAndBack) {
    type("GrAnItE");
    EXPECT_TRUE(tintMode);
    type("granite");
    EXPECT_FALSE(tintMode);
}

TEST_F(Keyboard, ABrokenPrefixDoesNotRestartTheSequence) {
    // The second G breaks the match and is not counted as a new start.
    type("GRANGRANITE");
    EXPECT_FALSE(tintMode);
    type("XGRANITE");
    EXPECT_TRUE(tintMode);
}

TEST_F(Keyboard, FreeCameraSequenceSwitchesTheMouseAndShakes) {
    type("letmeseeitallnow");
    EXPECT_TRUE(freeCameraMode);
    EXPECT_FLOAT_EQ(world.shake.amount, 0.5f);
    world.shake.amount = 0.7f;
    type("LETMESEEITALLNOW");
    EXPECT_FALSE(freeCameraMode);
    EXPECT_FLOAT_EQ(world.shake.amount, 0.7f);  // raised, never lowered
    EXPECT_EQ(mouseSwitches, (std::vector<bool>{true, false}));
}

TEST_F(Keyboard, MenusStartAndPlayLeaves) {
    handleKey(' ');
    EXPECT_EQ(world.gameState, EnteringPlay);
    EXPECT_EQ(world.transitionFromX, -4);
    EXPECT_EQ(world.transitionToX, 0);

    play();
    world.player->x = 6;
    handleKey(27);
    EXPECT_EQ(world.gameState, LeavingPlay);
    EXPECT_EQ(world.transitionFromX, 6);
    EXPECT_EQ(world.transitionToX, -4);

    world.gameState = DeathMenu;
    world.score = 12;
    world.player->health = 0;
    handleKey(' ');
    EXPECT_EQ(world.gameState, InitialMenu);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.player->health, 100);
}

TEST_F(Keyboard, DrivingStopsExactlyAtTheLimitsAndIgnoresUpperCase) {
    play();
    world.player->x = -0.8f;
    handleKey('A');
    EXPECT_FLOAT_EQ(world.player->x, -0.8f);
    handleKey('a');
    EXPECT_FLOAT_EQ(world.player->x, -1.0f);
    handleKey('a');
    EXPECT_FLOAT_EQ(world.player->x, -1.0f);
    world.player->x = 18.75f;
    handleKey('d');
    EXPECT_FLOAT_EQ(world.player->x, 19.0f);
}

TEST_F(Keyboard, TurretTakesOnlyFourAnglesAndJumpNeedsGround) {
    play();
    std::vector<float> angles;
    for (char key : std::string("kkkllll")) {
        handleKey(static_cast<unsigned char>(key));
        angles.push_back(world.player->turretAngle);
    }
    EXPECT_EQ(angles, (std::vector<float>{45, 90, 90, 45, 0, -45, -45}));

    handleKey('w');
    EXPECT_FLOAT_EQ(world.player->jumpPhase, 0.0001f);
    world.player->jumpPhase = 0.3f;
    handleKey('w');
    EXPECT_FLOAT_EQ(world.player->jumpPhase, 0.3f);
}

TEST_F(Keyboard, TransitionsIgnoreGameKeys) {
    for (int state : {EnteringPlay, LeavingPlay, Dying}) {
        world.gameState = state;
        world.player->x = 3;
        for (unsigned char key : {' ', '\x1b', 'a', 'd', 'w'}) handleKey(key);
        EXPECT_EQ(world.gameState, state);
        EXPECT_EQ(world.player->x, 3);
        EXPECT_TRUE(world.playerBullets.empty());
    }
}

TEST_F(Keyboard, SpaceInPlayShootsOncePerCooldown) {
    play();
    handleKey(' ');
    handleKey(' ');
    EXPECT_EQ(world.playerBullets.size(), 1u);
}

#if GTEST_HAS_DEATH_TEST  // none under node, where the web build's tests run
TEST_F(Keyboard, EscInEitherMenuEndsTheProcessWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(handleKey(27), testing::ExitedWithCode(0), "");
    world.gameState = DeathMenu;
    EXPECT_EXIT(handleKey(27), testing::ExitedWithCode(0), "");
}
#endif
