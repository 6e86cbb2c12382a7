// SPDX-License-Identifier: MIT
// Tests: a pad's buttons and sticks to the player's actions, with a fake pad.
#include <gtest/gtest.h>

#include <functional>
#include <string>
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
        pad.id = 3;
        pad.name = "Test Pad";
        world.switchState(Playing);
        world.player->x = 5;
    }
    void TearDown() override {
        setPaused(false);
        modelManager = nullptr;
    }
    void press(B b, bool down) { pad.buttons[static_cast<int>(b)] = down; }
    void tilt(A a, float v) { pad.axes[static_cast<int>(a)] = v; }
    // Frames of 10 ms up to `ms` from now, the pad as it is.
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
        const char* what;
        std::function<void(PadState&, bool)> set;
        std::vector<float> change;  // in what seen() reads
    };
    auto button = [](B b) { return [b](PadState& p, bool on) { p.buttons[static_cast<int>(b)] = on; }; };
    auto axis = [](A a, float v) { return [a, v](PadState& p, bool on) { p.axes[static_cast<int>(a)] = on ? v : 0; }; };
    const float leaving = static_cast<float>(LeavingPlay) - Playing;
    const Case cases[] = {
        {"d-pad left", button(B::DpadLeft), {-0.5f, 0, 0, 0, 0, 0}},
        {"left stick left", axis(A::LeftX, -0.8f), {-0.5f, 0, 0, 0, 0, 0}},
        {"d-pad right", button(B::DpadRight), {0.5f, 0, 0, 0, 0, 0}},
        {"left stick right", axis(A::LeftX, 0.8f), {0.5f, 0, 0, 0, 0, 0}},
        {"left stick in the dead zone", axis(A::LeftX, 0.4f), {0, 0, 0, 0, 0, 0}},
        {"left shoulder", button(B::LeftShoulder), {0, 45, 0, 0, 0, 0}},
        {"right stick up", axis(A::RightY, -0.9f), {0, 45, 0, 0, 0, 0}},
        {"right shoulder", button(B::RightShoulder), {0, -45, 0, 0, 0, 0}},
        {"right stick down", axis(A::RightY, 0.9f), {0, -45, 0, 0, 0, 0}},
        {"south", button(B::South), {0, 0, 0.0001f, 0, 0, 0}},
        {"d-pad up", button(B::DpadUp), {0, 0, 0.0001f, 0, 0, 0}},
        {"west", button(B::West), {0, 0, 0, 1, 0, 0}},
        {"right trigger", axis(A::RightTrigger, 0.9f), {0, 0, 0, 1, 0, 0}},
        {"right trigger lightly", axis(A::RightTrigger, 0.3f), {0, 0, 0, 0, 0, 0}},
        {"east, north, left trigger", [](PadState& p, bool on) {
             p.buttons[static_cast<int>(B::East)] = p.buttons[static_cast<int>(B::North)] = on;
             p.axes[static_cast<int>(A::LeftTrigger)] = on ? 1.0f : 0.0f;
         }, {0, 0, 0, 0, 0, 0}},
        {"start", button(B::Start), {0, 0, 0, 0, 0, 1}},
        {"back", button(B::Back), {0, 0, 0, 0, leaving, 0}},
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
        c.set(p, true);
        // Held for 0.4 s: still one action, as no repeat is due yet.
        for (long t = 10; t <= 400; t += 10) pads.frame({p}, t, true);
        std::vector<float> change = seen(*fresh.world);
        for (std::size_t i = 0; i < change.size(); ++i) change[i] -= before[i];
        EXPECT_EQ(change, c.change) << c.what;
        setPaused(false);
    }
    modelManager = &world;
}

TEST_F(PadInputTest, AHeldDirectionRepeatsAfterHalfASecondThen25ASecond) {
    press(B::DpadRight, true);
    hold(10);
    EXPECT_FLOAT_EQ(world.player->x, 5.5f);
    hold(490);  // 490 ms after the press
    EXPECT_FLOAT_EQ(world.player->x, 5.5f);
    hold(10);  // 500 ms
    EXPECT_FLOAT_EQ(world.player->x, 6.0f);
    hold(500);  // 1000 ms: 12 more, one every 40 ms
    EXPECT_FLOAT_EQ(world.player->x, 12.0f);
    press(B::DpadRight, false);
    hold(500);
    EXPECT_FLOAT_EQ(world.player->x, 12.0f);
}

TEST_F(PadInputTest, HeldFireRepeats25ASecondAsTheCooldownAllows) {
    tilt(A::RightTrigger, 1);
    for (int i = 0; i < 40; ++i) {  // 0.4 s, the cooldown let off each frame
        hold(10);
        world.player->shotCooldown = 0;
    }
    EXPECT_EQ(world.playerBullets.size(), 10u);
    hold(400);  // the next repeat fires; then the cooldown, not let off, holds the rest back
    EXPECT_EQ(world.playerBullets.size(), 11u);
}

TEST_F(PadInputTest, StartPlaysFromTheMenusAndPausesAndResumesAGame) {
    world.switchState(InitialMenu);
    auto tapStart = [this] {
        press(B::Start, true);
        hold(10);
        press(B::Start, false);
        hold(10);
    };
    tapStart();
    EXPECT_EQ(world.gameState, EnteringPlay);
    EXPECT_FALSE(world.paused);
    tapStart();
    EXPECT_TRUE(world.paused);
    tapStart();
    EXPECT_FALSE(world.paused);
    world.switchState(DeathMenu);
    tapStart();
    EXPECT_EQ(world.gameState, InitialMenu);
}

TEST_F(PadInputTest, IgnoredWhileTheWindowDoesNotHaveTheKeyboard) {
    const std::vector<float> before = seen(world);
    press(B::South, true);
    press(B::DpadLeft, true);
    press(B::West, true);
    hold(1000, false);
    EXPECT_EQ(seen(world), before);
    hold(10);  // the keyboard back: the held buttons count as pressed now
    EXPECT_EQ(world.player->x, 4.5f);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    hold(300, false);  // gone again mid-hold: no repeats
    EXPECT_EQ(world.player->x, 4.5f);
}

TEST_F(PadInputTest, APadPulledMidPressSaysSoAndLeavesNothingHeld) {
    testing::internal::CaptureStdout();
    hold(10);
    press(B::DpadRight, true);
    press(B::West, true);
    hold(600);
    const float x = world.player->x;
    EXPECT_GT(x, 6.0f);
    hold(1000, true, false);
    world.player->shotCooldown = 0;
    hold(1000, true, false);
    EXPECT_EQ(world.player->x, x);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Gamepad: Test Pad\nGamepad removed: Test Pad\n");
}
