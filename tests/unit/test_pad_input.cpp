// SPDX-License-Identifier: MIT
// Tests: a pad's buttons and sticks to the player's actions, with a fake pad.
#include <gtest/gtest.h>

#include <vector>

#include "app/game_actions.h"
#include "app/pad_input.h"
#include "support/test_world.h"

namespace {
using A = PadAxis;
using B = PadButton;

// What a pad can change: x, turret, jumping, bullets, state, paused.
std::vector<float> seen(const ModelManager& w) {
    return {w.player->x, w.player->turretAngle, w.player->jumpPhase,
            static_cast<float>(w.playerBullets.size()), static_cast<float>(w.gameState),
            w.paused ? 1.0f : 0.0f};
}

class PadInputTest : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& world = *tw.world;
    PadInput input;
    PadState pad;
    long now = 0;

    void SetUp() override {
        modelManager = &world;
        pad.name = "Test Pad";
        world.switchState(Playing);
        world.player->x = 5;
    }
    void TearDown() override {
        setPaused(false);
        modelManager = nullptr;
    }
    void press(B b, bool down) { pad.buttons[static_cast<int>(b)] = down; }
    // Frames of 10 ms for `ms`, the pad as it is.
    void hold(long ms, bool focused = true, bool plugged = true) {
        for (long end = now + ms; now < end;) {
            now += 10;
            input.frame(plugged ? std::vector<PadState>{pad} : std::vector<PadState>{}, now, focused);
        }
    }
};
}  // namespace

TEST_F(PadInputTest, EveryButtonAndAxisActsOncePerPress) {
    struct Case {
        std::vector<B> buttons;
        A axis;
        float tilt;
        std::vector<float> change;  // in what seen() reads
    };
    const float leaving = static_cast<float>(LeavingPlay) - Playing;
    const Case cases[] = {
        {{B::DpadLeft}, A::LeftX, 0, {-0.5f, 0, 0, 0, 0, 0}},
        {{}, A::LeftX, -0.8f, {-0.5f, 0, 0, 0, 0, 0}},
        {{B::DpadRight}, A::LeftX, 0, {0.5f, 0, 0, 0, 0, 0}},
        {{}, A::LeftX, 0.8f, {0.5f, 0, 0, 0, 0, 0}},
        {{}, A::LeftX, 0.4f, {0, 0, 0, 0, 0, 0}},  // in the dead zone
        {{B::LeftShoulder}, A::LeftX, 0, {0, 45, 0, 0, 0, 0}},
        {{}, A::RightY, -0.9f, {0, 45, 0, 0, 0, 0}},
        {{B::RightShoulder}, A::LeftX, 0, {0, -45, 0, 0, 0, 0}},
        {{}, A::RightY, 0.9f, {0, -45, 0, 0, 0, 0}},
        {{B::South}, A::LeftX, 0, {0, 0, 0.0001f, 0, 0, 0}},
        {{B::DpadUp}, A::LeftX, 0, {0, 0, 0.0001f, 0, 0, 0}},
        {{B::West}, A::LeftX, 0, {0, 0, 0, 1, 0, 0}},
        {{}, A::RightTrigger, 0.9f, {0, 0, 0, 1, 0, 0}},
        {{}, A::RightTrigger, 0.3f, {0, 0, 0, 0, 0, 0}},
        {{B::East, B::North, B::DpadDown}, A::LeftTrigger, 1, {0, 0, 0, 0, 0, 0}},
        {{B::Start}, A::LeftX, 0, {0, 0, 0, 0, 0, 1}},
        {{B::Back}, A::LeftX, 0, {0, 0, 0, 0, leaving, 0}},
    };
    for (const Case& c : cases) {
        TestWorld fresh;
        modelManager = fresh.world.get();
        fresh.world->switchState(Playing);
        fresh.world->player->x = 5;
        PadInput pads;
        PadState p;
        pads.frame({p}, 0, true);
        const std::vector<float> before = seen(*fresh.world);
        for (B b : c.buttons) p.buttons[static_cast<int>(b)] = true;
        p.axes[static_cast<int>(c.axis)] = c.tilt;
        // Held for 0.4 s: still one action, as no repeat is due yet.
        for (long t = 10; t <= 400; t += 10) pads.frame({p}, t, true);
        std::vector<float> change = seen(*fresh.world);
        for (std::size_t i = 0; i < change.size(); ++i) change[i] -= before[i];
        EXPECT_EQ(change, c.change) << "case " << &c - cases;
        setPaused(false);
    }
    modelManager = &world;
}

TEST_F(PadInputTest, HeldDriveRepeatsAfterHalfASecondThen25ASecondAndHeldFireAt25) {
    press(B::DpadRight, true);
    hold(10);
    EXPECT_FLOAT_EQ(world.player->x, 5.5f);
    hold(490);  // 490 ms after the press
    EXPECT_FLOAT_EQ(world.player->x, 5.5f);
    hold(10);
    EXPECT_FLOAT_EQ(world.player->x, 6.0f);
    hold(500);  // 1000 ms: 12 more, one every 40 ms
    EXPECT_FLOAT_EQ(world.player->x, 12.0f);
    press(B::DpadRight, false);

    press(B::West, true);
    for (int i = 0; i < 40; ++i) {  // 0.4 s, the shot cooldown let off each frame
        hold(10);
        world.player->shotCooldown = 0;
    }
    EXPECT_EQ(world.playerBullets.size(), 10u);
    hold(400);  // the next repeat fires; then the cooldown, not let off, holds the rest back
    EXPECT_EQ(world.playerBullets.size(), 11u);
    EXPECT_FLOAT_EQ(world.player->x, 12.0f);
}

TEST_F(PadInputTest, StartPlaysFromTheMenusAndPausesAndResumesAGame) {
    world.switchState(InitialMenu);
    for (const bool paused : {false, true, false}) {  // started, paused, played on
        press(B::Start, true);
        hold(10);
        press(B::Start, false);
        hold(10);
        EXPECT_EQ(world.gameState, EnteringPlay);
        EXPECT_EQ(world.paused, paused);
    }
    world.switchState(DeathMenu);
    press(B::Start, true);
    hold(10);
    EXPECT_EQ(world.gameState, InitialMenu);
}

TEST_F(PadInputTest, IgnoredWhileTheWindowDoesNotHaveTheKeyboard) {
    const std::vector<float> before = seen(world);
    press(B::South, true);
    press(B::DpadLeft, true);
    hold(1000, false);
    EXPECT_EQ(seen(world), before);
    hold(10);  // the keyboard back: what is held counts as pressed now
    EXPECT_EQ(world.player->x, 4.5f);
    hold(600, false);  // gone again mid-hold: no repeats
    EXPECT_EQ(world.player->x, 4.5f);
}

TEST_F(PadInputTest, APadPulledMidPressSaysSoAndLeavesNothingHeld) {
    testing::internal::CaptureStdout();
    press(B::DpadRight, true);
    press(B::West, true);
    hold(600);
    EXPECT_FLOAT_EQ(world.player->x, 7);  // at 0, 500, 540 and 580 ms
    hold(10, true, false);
    world.player->shotCooldown = 0;
    hold(1000, true, false);
    EXPECT_FLOAT_EQ(world.player->x, 7);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Gamepad: Test Pad\nGamepad removed: Test Pad\n");
}

TEST_F(PadInputTest, TheBrowsersTouchButtonsGoUnannouncedAndATapNeverPausesOrFires) {
    testing::internal::CaptureStdout();
    pad.onScreen = true;
    const auto tap = [&](B b) {
        press(b, true);
        hold(10);
        press(b, false);
        hold(10);
    };
    world.switchState(InitialMenu);
    tap(B::Start);
    EXPECT_EQ(world.gameState, EnteringPlay);
    world.switchState(Playing);
    tap(B::Start);  // in play a tap does nothing
    EXPECT_FALSE(world.paused);
    EXPECT_EQ(world.playerBullets.size(), 0u);
    tap(B::West);  // the fire button fires
    EXPECT_EQ(world.playerBullets.size(), 1u);
    setPaused(true);
    tap(B::Start);  // and resumes a paused game
    EXPECT_FALSE(world.paused);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    world.switchState(DeathMenu);
    tap(B::Start);
    EXPECT_EQ(world.gameState, InitialMenu);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Paused: P or a gamepad's Start plays on\nPlaying on\n");
}
