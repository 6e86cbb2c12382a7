// SPDX-License-Identifier: MIT
// Tests: the desktop's pad path, SDL's, driven by a virtual pad.
#include <gtest/gtest.h>

#include <vector>

#include "app/pad_input.h"
#include "platform/virtual_gamepad.h"
#include "support/test_world.h"

TEST(SdlGamepad, AVirtualPadPlaysAndLeavesNothingHeldWhenPulledOut) {
    ASSERT_TRUE(startGamepads());
    TestWorld tw;
    ModelManager& world = *tw.world;
    modelManager = &world;
    world.switchState(Playing);
    PadInput input;
    long now = 0;
    std::vector<PadState> pads;
    auto frames = [&](long ms) {
        for (long end = now + ms; now < end;) {
            now += 10;
            pads = readGamepads();
            input.frame(pads, now, true);
        }
    };

    testing::internal::CaptureStdout();
    VirtualGamepad pad("Krellwick Test Pad");
    ASSERT_TRUE(pad.attached());
    for (int i = 0; i < 1000 && pads.empty(); ++i) frames(10);
    ASSERT_EQ(pads.size(), 1u);

    pad.press(PadButton::South, true);
    pad.tilt(PadAxis::RightTrigger, 1);
    frames(10);
    EXPECT_GT(world.player->jumpPhase, 0);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    pad.press(PadButton::LeftShoulder, true);
    frames(10);
    EXPECT_EQ(world.player->turretAngle, 45);

    // Held left: once, then again from 500 ms on, 25 a second.
    world.player->x = 0;
    pad.tilt(PadAxis::LeftX, -1);
    frames(10);
    EXPECT_FLOAT_EQ(world.player->x, -0.5f);
    frames(480);  // 480 ms after the press
    EXPECT_FLOAT_EQ(world.player->x, -0.5f);
    frames(30);  // 510 ms: the repeat at 500
    EXPECT_FLOAT_EQ(world.player->x, -1);
    world.player->x = 5;
    frames(200);  // 710 ms: 540 to 700, five more
    EXPECT_FLOAT_EQ(world.player->x, 2.5f);

    // Pulled out with the stick and the trigger held.
    pad.detach();
    frames(10);
    EXPECT_TRUE(pads.empty());
    world.player->shotCooldown = 0;
    frames(1000);
    EXPECT_FLOAT_EQ(world.player->x, 2.5f);
    EXPECT_EQ(world.playerBullets.size(), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Gamepad: Krellwick Test Pad\nGamepad removed: Krellwick Test Pad\n");
    modelManager = nullptr;
}
