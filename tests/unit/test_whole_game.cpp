// SPDX-License-Identifier: MIT
// A whole scripted session through the real frame driver and keyboard
// handler: two games, one ending in death and one left with Esc, then the
// menu, more than five minutes of game time in all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "gameplay/box.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {

constexpr float kFrame = 1.0f / 60;

// What one playing pass may have done, read off the lists and the car's
// health: rabbits and balloons that vanished away from the left edge were
// shot or ran into the car, and the health lost counts the hits taken.
struct PassReport {
    int rabbitsGone = 0;       // surely not by leaving the area
    int rabbitsMaybeLeft = 0;  // at the edge with a hop that may have ended
    int balloonsGone = 0;
    int hitUnits = 0;  // 10 health each; a balloon ramming the car costs two
    // A rabbit enters at the right edge and is updated in the same pass, so
    // a bullet there can kill it before the lists ever show it.
    bool unseenKillPossible = false;
};

// True when some mix of kills, contacts and bullet hits explains the score
// going from `before` to `after` in one pass. Contacts come first in the
// pass; bullet hits on the car and kills follow in bullet order, so with a
// score near zero the clamp leaves a range.
bool scoreExplained(const PassReport& p, int before, int after, int* rabbitKills,
                    int* balloonKills) {
    bool found = false;
    for (int unseen = 0; unseen <= (p.unseenKillPossible ? 1 : 0); ++unseen)
    for (int left = 0; left <= p.rabbitsMaybeLeft; ++left) {
        const int rabbits = p.rabbitsGone + p.rabbitsMaybeLeft - left + unseen;
        for (int touches = 0; touches <= rabbits; ++touches) {
            for (int rams = 0; rams <= p.balloonsGone; ++rams) {
                const int shots = p.hitUnits - touches - 2 * rams;
                if (shots < 0) continue;
                const int contacts = std::max(0, before - touches - rams);
                const int gains = (rabbits - touches) + 4 * (p.balloonsGone - rams);
                const int low = std::max(0, contacts + gains - shots);
                const int high = std::max(0, contacts - shots) + gains;
                if (after < low || after > high) continue;
                if (found) return true;  // more than one reading; keep the first
                found = true;
                *rabbitKills = rabbits - touches;
                *balloonKills = p.balloonsGone - rams;
            }
        }
    }
    return found;
}

using RabbitId = std::pair<float, float>;   // width and height, drawn at random
using BalloonId = std::pair<float, float>;  // phase and top speed, drawn at random

class WholeGame : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& w = *tw.world;
    std::vector<int> states;
    int frames = 0;
    int rabbitKills = 0;
    int balloonKills = 0;
    int hitsTaken = 0;
    int unexplained = 0;
    float highestAllowance = 0;
    int highestScore = 0;  // of the game under way

    void SetUp() override {
        modelManager = &w;
        freeCameraMode = false;
        tintSequence.progress = 0;
        freeCameraSequence.progress = 0;
        // The same session whatever ran before it in this process.
        restartRandom();
        states.push_back(w.gameState);
    }
    void TearDown() override { modelManager = nullptr; }

    void key(unsigned char k) { handleKey(k); }

    // One 16 ms frame (the cap makes it 1/60 s), watched.
    void step() {
        const int stateBefore = w.gameState;
        const int scoreBefore = w.score;
        const float healthBefore = w.player->health;
        std::map<RabbitId, Rabbit> rabbitsBefore;
        for (const Rabbit& r : w.rabbits) rabbitsBefore.emplace(RabbitId{r.width, r.height}, r);
        std::map<BalloonId, AirEnemy> balloonsBefore;
        for (const AirEnemy& e : w.enemies)
            balloonsBefore.emplace(BalloonId{e.phase, e.maxSpeed}, e);
        const double speed = w.scrollSpeed + w.scrollAcceleration * kFrame;
        auto nearEntry = [](const Bullet& b) { return b.x > 20; };
        const bool bulletAtEntry =
            std::any_of(w.playerBullets.begin(), w.playerBullets.end(), nearEntry) ||
            std::any_of(w.enemyBullets.begin(), w.enemyBullets.end(), nearEntry);

        tw.frame(16);
        ++frames;
        if (w.gameState == EnteringPlay) highestScore = 0;
        highestScore = std::max(highestScore, w.score);
        if (w.gameState != states.back()) states.push_back(w.gameState);
        checkBounds();

        if (stateBefore != Playing) {
            // Only play changes the score and the car's health, apart from
            // the new game's reset.
            if (w.gameState != InitialMenu) {
                ASSERT_EQ(w.score, scoreBefore) << "frame " << frames;
            }
            return;
        }
        PassReport report;
        report.unseenKillPossible = bulletAtEntry;
        for (const auto& [rabbitId, r] : rabbitsBefore) {
            // Structured bindings cannot be captured in C++17 (clang holds to it).
            const RabbitId& id = rabbitId;
            const bool still = std::any_of(w.rabbits.begin(), w.rabbits.end(), [&](const Rabbit& n) {
                return RabbitId{n.width, n.height} == id;
            });
            if (still) continue;
            const double carried = r.x - speed * kFrame;
            if (carried <= -5) continue;  // left the area
            if (r.hopping && carried - 0.7 <= -5) {
                ++report.rabbitsMaybeLeft;
            } else {
                ++report.rabbitsGone;
            }
        }
        for (const auto& [balloonId, e] : balloonsBefore) {
            const BalloonId& id = balloonId;
            const bool still = std::any_of(w.enemies.begin(), w.enemies.end(), [&](const AirEnemy& n) {
                return BalloonId{n.phase, n.maxSpeed} == id;
            });
            if (still) continue;
            if (e.x + (e.vx + 0.02f) * kFrame <= -5) continue;  // left the area
            ++report.balloonsGone;
        }
        float regained = healthBefore;
        if (regained < w.player->maxHealth) {
            regained += 1.5f * kFrame;
            if (regained > w.player->maxHealth) regained = w.player->maxHealth;
        }
        const float lost = regained - w.player->health;
        report.hitUnits = static_cast<int>(std::lround(lost / 10));
        ASSERT_NEAR(lost, 10.0f * report.hitUnits, 1e-3f) << "frame " << frames;
        hitsTaken += report.hitUnits;

        int rabbits = 0;
        int balloons = 0;
        if (scoreExplained(report, scoreBefore, w.score, &rabbits, &balloons)) {
            rabbitKills += rabbits;
            balloonKills += balloons;
        } else {
            ++unexplained;
            ADD_FAILURE() << "frame " << frames << ": score " << scoreBefore << " -> " << w.score
                          << " with " << report.rabbitsGone << " rabbits and "
                          << report.balloonsGone << " balloons gone, " << report.hitUnits
                          << " hits";
        }
    }

    void checkBounds() {
        const float cx = -w.viewOffset.x;
        const float cy = -w.viewOffset.y;
        for (const Rabbit& r : w.rabbits) ASSERT_TRUE(insidePlayArea(cx, cy, r.x, r.y));
        for (const AirEnemy& e : w.enemies) ASSERT_TRUE(insidePlayArea(cx, cy, e.x, e.y));
        for (const Bullet& b : w.playerBullets) ASSERT_TRUE(insidePlayArea(cx, cy, b.x, b.y));
        for (const Bullet& b : w.enemyBullets) ASSERT_TRUE(insidePlayArea(cx, cy, b.x, b.y));
        // The longest-lived particle is a 1.5 s muzzle flash, plus the
        // skipped first update and the pass that removes it.
        for (const Particle& p : w.particles) ASSERT_LE(p.age, 1.5f + 2.5f * kFrame);
        highestAllowance = std::max(highestAllowance, w.enemyLimit);
        // A balloon only comes while the allowance is above the count.
        ASSERT_LE(static_cast<float>(w.enemies.size()), std::ceil(highestAllowance));
        // Three shots a second, none living longer than the 6 s it takes to
        // cross the area's diagonal.
        ASSERT_LE(w.playerBullets.size(), 19u);
        // About one rabbit per 2 s, each crossing the 30 units in 40 s or less.
        ASSERT_LE(w.rabbits.size(), 45u);
        ASSERT_LE(w.enemyBullets.size(), 20u);
        ASSERT_LE(w.explosions.size(), 40u);
        ASSERT_LE(w.particles.size(), 4000u);
    }

    void run(int count) {
        for (int i = 0; i < count; ++i) {
            step();
            if (HasFatalFailure()) return;
        }
    }

    // The player's habits, by frame of play: shoot whenever the gun is
    // ready, nod the turret, hop now and then, and shuttle right and back.
    void playFrame(int f) {
        if (f % 21 == 0) key(' ');
        if (f % 240 == 60) key('k');
        if (f % 240 == 180) key('l');
        if (f % 300 == 150) key('w');
        if (f % 600 == 100) {
            for (int i = 0; i < 6; ++i) key('d');
        }
        if (f % 600 == 400) {
            for (int i = 0; i < 6; ++i) key('a');
        }
        step();
    }

    // From the menu through the two-second drive-in.
    void startGame() {
        key(' ');
        ASSERT_EQ(w.gameState, EnteringPlay);
        for (int i = 0; i < 121 && w.gameState == EnteringPlay; ++i) step();
        ASSERT_EQ(w.gameState, Playing);
    }
};

TEST_F(WholeGame, TwoGamesAndTheMenusForFiveMinutes) {
    run(300);  // the start screen: the world scrolls, nothing spawns
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_TRUE(w.enemies.empty());
    // Keys other than Space and Esc do nothing here.
    for (unsigned char k : {'a', 'd', 'k', 'w'}) key(k);
    EXPECT_EQ(w.gameState, InitialMenu);

    // Game one: play until the car is destroyed (at most ten minutes).
    startGame();
    ASSERT_FALSE(HasFatalFailure());
    int played = 0;
    while (w.gameState == Playing && played < 36000) {
        playFrame(played++);
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(w.gameState, Dying) << "the car survived ten minutes";
    EXPECT_LE(w.player->health, 0.0f);
    EXPECT_GE(w.shake.amount, 1.5f);  // raised to 2 on entry, one frame of decay
    const int finalScore = w.score;
    const int gameOnePeak = highestScore;
    EXPECT_GE(gameOnePeak, finalScore);
    const int gameOneKills = rabbitKills + 4 * balloonKills;
    EXPECT_GT(rabbitKills + balloonKills, 0);
    // Every point came from a kill; hits took some back.
    EXPECT_LE(finalScore, gameOneKills);
    EXPECT_GE(finalScore, gameOneKills - hitsTaken);
    EXPECT_EQ(unexplained, 0);

    // The burning drive-out; keys are ignored meanwhile.
    while (w.gameState == Dying && frames < 100000) {
        key(' ');
        key('d');
        step();
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(w.gameState, DeathMenu);
    EXPECT_EQ(w.score, finalScore);
    // The death screen hands the score on, to be kept if it is a best.
    EXPECT_EQ(w.finishedScore, gameOnePeak);
    w.finishedScore.reset();
    run(180);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(w.score, finalScore);  // shown until Space
    key(' ');
    ASSERT_EQ(w.gameState, InitialMenu);
    EXPECT_EQ(w.score, 0);
    EXPECT_EQ(w.player->health, 100.0f);
    EXPECT_EQ(w.enemyLimit, 2.0f);
    run(180);
    ASSERT_FALSE(HasFatalFailure());

    // Game two: half a minute of play, then Esc.
    startGame();
    ASSERT_FALSE(HasFatalFailure());
    for (int f = 0; f < 1800 && w.gameState == Playing; ++f) {
        playFrame(f);
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(w.gameState, Playing);
    const int gameTwoPeak = highestScore;
    key(27);
    ASSERT_EQ(w.gameState, LeavingPlay);
    while (w.gameState == LeavingPlay && frames < 100000) {
        step();
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(w.gameState, InitialMenu);
    EXPECT_EQ(w.finishedScore, gameTwoPeak);  // a game left with Esc counts too

    // The start screen until five minutes have passed; what was left from
    // the games drifts out or burns away.
    while (frames < 5 * 60 * 60) {
        step();
        ASSERT_FALSE(HasFatalFailure());
    }
    run(60 * 60);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(unexplained, 0);
    EXPECT_EQ(states, (std::vector<int>{InitialMenu, EnteringPlay, Playing, Dying, DeathMenu,
                                        InitialMenu, EnteringPlay, Playing, LeavingPlay,
                                        InitialMenu}));
    // A minute in the menu clears rabbits, bullets, particles and explosions;
    // balloons stay on patrol without drifting.
    EXPECT_TRUE(w.rabbits.empty());
    EXPECT_TRUE(w.playerBullets.empty());
    EXPECT_TRUE(w.particles.empty());
    EXPECT_TRUE(w.explosions.empty());
    EXPECT_EQ(w.score, 0);
    EXPECT_GT(frames * kFrame, 300.0f);
    std::printf("session: %d frames, game one score %d (%d rabbits, %d balloons shot, %d hits)\n",
                frames, finalScore, rabbitKills, balloonKills, hitsTaken);
}

}  // namespace
