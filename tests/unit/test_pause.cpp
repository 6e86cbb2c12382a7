// SPDX-License-Identifier: MIT
// Tests: pausing a game, by key and by the window losing the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/focus_watch.h"
#include "app/game_actions.h"
#include "app/keyboard.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {
// What a frame can change, read off the world.
std::vector<double> snapshot(const ModelManager& w) {
    std::vector<double> s = {static_cast<double>(w.gameState), static_cast<double>(w.score),
                             w.distance, w.scrollSpeed, w.player->x, w.player->jumpPhase,
                             w.player->health, w.player->shotCooldown, w.shake.amount,
                             w.shake.offsetX, static_cast<double>(w.cues.size())};
    for (const Rabbit& r : w.rabbits) s.insert(s.end(), {r.x, r.y});
    for (const AirEnemy& e : w.enemies) s.insert(s.end(), {e.x, e.y});
    for (const Bullet& b : w.playerBullets) s.insert(s.end(), {b.x, b.y});
    for (const Bullet& b : w.enemyBullets) s.insert(s.end(), {b.x, b.y});
    for (const Particle& p : w.particles) s.insert(s.end(), {p.x, p.y});
    s.push_back(randUnit());  // where the main thread's sequence stands
    return s;
}

// Ten seconds into a game with shots and moves, then `pausedFrames` frames
// paused, then one frame more.
std::vector<double> gameWithPause(int pausedFrames) {
    TestWorld tw;
    ModelManager& w = *tw.world;
    modelManager = &w;
    restartRandom();
    performAction(GameAction::Confirm);
    for (int i = 0; i < 600; ++i) {
        if (i % 40 == 0) performAction(GameAction::Fire);
        if (i % 90 == 0) performAction(i % 180 ? GameAction::DriveLeft : GameAction::DriveRight);
        tw.frame(16);
    }
    if (pausedFrames > 0) {
        performAction(GameAction::Pause);
        const std::size_t cues = w.cues.size();
        for (int i = 0; i < pausedFrames; ++i) tw.frame(16);
        EXPECT_GE(tw.time->now, 10000 + 600 * 16);
        EXPECT_EQ(w.cues.size(), cues) << "a paused game sounded";
        performAction(GameAction::Pause);
    }
    tw.frame(16);
    auto s = snapshot(w);
    modelManager = nullptr;
    return s;
}
}  // namespace

TEST(Pause, TenSecondsPausedLeaveTheWorldWhereOneFrameMoreWouldHave) {
    const std::vector<double> straight = gameWithPause(0);
    const std::vector<double> paused = gameWithPause(625);
    EXPECT_EQ(straight[0], Playing);
    EXPECT_EQ(paused, straight);
}

TEST(Pause, KeysPauseOnlyAGameAndAPausedGameTakesOnlyResumingKeys) {
    TestWorld tw;
    ModelManager& w = *tw.world;
    modelManager = &w;
    handleKey('p');  // nothing to pause in the menu
    EXPECT_FALSE(w.paused);

    w.switchState(Playing);
    w.player->x = 4;
    handleKey('p');
    EXPECT_TRUE(w.paused);
    for (unsigned char key : {'a', 'd', 'w', 'k'}) handleKey(key);
    EXPECT_EQ(w.player->x, 4);
    EXPECT_EQ(w.player->turretAngle, 0);
    handleKey(' ');  // plays on without firing
    EXPECT_FALSE(w.paused);
    EXPECT_TRUE(w.playerBullets.empty());

    handleKey('p');
    handleKey(27);  // plays on and leaves
    EXPECT_FALSE(w.paused);
    EXPECT_EQ(w.gameState, LeavingPlay);
    handleKey('p');  // the drive-out pauses too
    EXPECT_TRUE(w.paused);
    setPaused(false);
    modelManager = nullptr;
}

TEST(FocusWatch, OnlyLosingTheKeyboardOnceHeldAndForSixFramesCounts) {
    using F = WindowFocus;
    // O: ours, E: elsewhere, U: unknown; 'l' marks the reading that says lost.
    struct Case {
        const char* readings;
        const char* lost;
        const char* elsewhere;  // x: the pads are not listened to
    };
    const Case cases[] = {
        {"EEEEEEEUEEEEEE", "...............", ".............."},  // never had it
        {"OOEEEEEEEE", ".......l..", ".......xxx"},
        {"OEEEOEEEEEO", "...........", "..........."},  // away for three frames, then five
        {"OEEUEEEEEEOEEEEEE", ".......l........l", ".......xxx......x"},
    };
    for (const Case& c : cases) {
        FocusWatch watch;
        std::string lost, elsewhere;
        for (const char* r = c.readings; *r; ++r) {
            lost += watch.lost(*r == 'O' ? F::Ours : *r == 'E' ? F::Elsewhere : F::Unknown) ? 'l' : '.';
            elsewhere += watch.elsewhere() ? 'x' : '.';
        }
        EXPECT_EQ(lost, std::string(c.lost).substr(0, lost.size())) << c.readings;
        EXPECT_EQ(elsewhere, c.elsewhere) << c.readings;
    }
}
