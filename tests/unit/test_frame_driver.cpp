// SPDX-License-Identifier: MIT
// Tests: the frame driver's timing, shake and hand-overs.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/memory_trim.h"
#include "platform/frame_gate.h"
#include "platform/threads.h"
#include "world/background_worker.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {
class FrameDriver : public testing::Test {
protected:
    TestWorld tw;
    ModelManager& world = *tw.world;
    void SetUp() override { tw.time->sleeps.clear(); }
};
}  // namespace

TEST_F(FrameDriver, ShortFramesSleepToTheCapAndCountAsASixtieth) {
    tw.frame(5);
    ASSERT_EQ(tw.time->sleeps.size(), 1u);
    EXPECT_EQ(tw.time->sleeps[0], 11);
    EXPECT_EQ(world.fps, 60.0f);
    // The second clock reading comes after the sleep.
    EXPECT_EQ(world.lastClock, tw.time->now);

    tw.frame(20);
    EXPECT_EQ(tw.time->sleeps.size(), 1u);
    EXPECT_EQ(world.fps, 50.0f);
}

TEST_F(FrameDriver, SlowFramesKeepTheirTimeInTheScroll) {
    const double speed = world.scrollSpeed;
    tw.frame(100);
    EXPECT_DOUBLE_EQ(world.scrollSpeed, world.scrollAcceleration * 0.1 + speed);
    EXPECT_DOUBLE_EQ(world.distance, world.scrollSpeed * 0.1);
}

TEST_F(FrameDriver, ShakeDecaysThenJittersInDrawOrder) {
    world.shake.amount = 1.0f;
    world.shake.offsetX = 0.5f;
    restartRandom();
    const float r1 = randUnit(), r2 = randUnit(), r3 = randUnit();
    restartRandom();
    tw.frame(16);
    EXPECT_NEAR(world.shake.amount, 0.8666667f, 1e-6);
    const float a = world.shake.amount * 0.8f;
    EXPECT_FLOAT_EQ(world.shake.offsetZ, (2 * r1 - 1) * a);
    EXPECT_FLOAT_EQ(world.shake.offsetX, 0.5f * 0.2f + (2 * r3 - 1) * a);
    EXPECT_FLOAT_EQ(world.shake.offsetY, (2 * r2 - 1) * a);

    world.shake.amount = 1.0f;
    tw.frame(125);
    EXPECT_EQ(world.shake.amount, 0.0f);
}

TEST_F(FrameDriver, HueRestartsAtZeroPastThreeSixty) {
    world.menuHue = 300;
    tw.frame(16);
    EXPECT_FLOAT_EQ(world.menuHue, 301.5f);
    world.menuHue = 359;
    tw.frame(16);
    EXPECT_EQ(world.menuHue, 0.0f);
}

TEST_F(FrameDriver, DriveInReachesPlayOnFrame121) {
    world.switchState(EnteringPlay);
    tw.frame(16);
    EXPECT_FLOAT_EQ(world.player->x, -4 + 4 * (0.5f / 60));
    for (int frame = 2; frame <= 120; ++frame) tw.frame(16);
    EXPECT_EQ(world.gameState, EnteringPlay);
    EXPECT_NEAR(world.transitionProgress, 0.9999994f, 1e-7);
    const float lastX = world.player->x;
    EXPECT_NEAR(lastX, -0.0000024f, 1e-6);
    tw.frame(16);
    EXPECT_EQ(world.gameState, Playing);
    EXPECT_EQ(world.transitionProgress, 1.0f);
    EXPECT_EQ(world.player->x, lastX);  // the switching frame does not move the car
}

TEST_F(FrameDriver, LeavingPlayDrivesOutEightTimesFasterAndReturnsToTheMenu) {
    world.gameState = Playing;
    world.player->x = 10;
    world.score = 9;
    world.switchState(LeavingPlay);
    world.transitionProgress = 1;

    const double speed = world.scrollSpeed;
    const double distance = world.distance;
    tw.frame(16);
    const double dt = 1.0 / 60;
    const double newSpeed = world.scrollAcceleration * dt + speed;
    // Normal scroll, then seven times more: the world races past.
    EXPECT_NEAR(world.distance, distance + newSpeed * dt * 8, 1e-9);
    EXPECT_NEAR(world.player->x, 10 - newSpeed * dt * 8, 1e-5);

    int frames = 1;
    while (world.player->x > -4 && frames < 10000) {
        tw.frame(16);
        ++frames;
    }
    EXPECT_EQ(world.gameState, LeavingPlay);
    tw.frame(16);
    EXPECT_EQ(world.gameState, InitialMenu);
    EXPECT_EQ(world.transitionProgress, 0.0f);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.player->x, 0);
    // About 14 units at 8 x 0.75 units per second: a little over two seconds.
    EXPECT_NEAR(frames / 60.0, 14 / (8 * 0.75), 0.1);
}

TEST_F(FrameDriver, AJumpStillLandsWhileLeaving) {
    world.player->x = 5;
    world.player->jumpPhase = 0.5f;
    world.switchState(LeavingPlay);
    world.transitionProgress = 1;
    for (int i = 0; i < 15; ++i) tw.frame(16);
    EXPECT_EQ(world.player->jumpPhase, 0.0f);
}

TEST_F(FrameDriver, DyingBurnsShakesAndEndsInTheDeathMenuKeepingTheScore) {
    world.gameState = Playing;
    world.player->x = 12;
    world.score = 7;
    world.switchState(Dying);
    world.transitionProgress = 1;
    EXPECT_GE(world.shake.amount, 2.0f);
    std::size_t mostExplosions = 0;
    for (int i = 0; i < 600 && world.gameState == Dying; ++i) {
        tw.frame(16);
        mostExplosions = std::max(mostExplosions, world.explosions.size());
    }
    EXPECT_EQ(world.gameState, DeathMenu);
    EXPECT_EQ(world.score, 7);
    // k = 8: a burst on about 0.5 * 8 / 60 of the frames, so a few at least.
    EXPECT_GT(mostExplosions, 0u);
}

TEST_F(FrameDriver, MountainsHandOverPastTheMiddleOfTheNextSegment) {
    Mountains* next = world.nextMountains.get();
    world.distance = 54.98;
    tw.frame(16);  // adds about 0.0125: still within 55
    EXPECT_EQ(world.currentMountainsPos.x, -20);
    EXPECT_EQ(world.nextMountains.get(), next);
    world.distance = 55.0;
    tw.frame(16);
    EXPECT_EQ(world.currentMountainsPos.x, 30);
    EXPECT_EQ(world.nextMountainsPos.x, 80);
    EXPECT_EQ(world.currentMountains.get(), next);
    ASSERT_NE(world.nextMountains, nullptr);
    EXPECT_NE(world.nextMountains.get(), next);

    // Far ahead: the segments catch up one per frame.
    world.distance = 1000;
    tw.frame(16);
    EXPECT_EQ(world.nextMountainsPos.x, 130);
    tw.frame(16);
    EXPECT_EQ(world.nextMountainsPos.x, 180);
    EXPECT_EQ(world.nextMountainsPos.x, world.currentMountainsPos.x + world.mountainLength);
}

TEST_F(FrameDriver, MenusKeepTheWorldMovingWithoutPlay) {
    world.gameState = InitialMenu;
    for (int i = 0; i < 600; ++i) tw.frame(16);
    EXPECT_TRUE(world.rabbits.empty());
    EXPECT_TRUE(world.enemies.empty());
    // Ten seconds from 0.75 units a second, 0.01 faster every second.
    EXPECT_NEAR(world.distance, 10 * 0.75 + 0.01 * 100 / 2, 0.02);
    EXPECT_EQ(world.clouds->cloudList.size(), 5u);
}

// The worker's generator starts apart from the main thread's, whose draws
// built the first two segments: no later segment copies an earlier one.
TEST(FrameDriverSegments, TheFirstTenMountainSegmentsAreAllDifferent) {
    restartRandom();  // the main thread as at program start
    TestWorld tw;
    ModelManager& world = *tw.world;
    auto heights = [](const Mountains& segment) {
        std::vector<float> ys;
        for (const Vertex& v : segment.mesh->vertices) ys.push_back(v.y);
        return ys;
    };
    std::vector<std::vector<float>> segments = {heights(*world.currentMountains),
                                                heights(*world.nextMountains)};
    world.distance = 1000;  // far ahead: one hand-over a frame
    while (segments.size() < 10) {
        tw.frame(16);
        segments.push_back(heights(*world.nextMountains));
    }
    for (size_t a = 0; a < segments.size(); ++a) {
        for (size_t b = a + 1; b < segments.size(); ++b) {
            EXPECT_NE(segments[a], segments[b]) << "segments " << a + 1 << " and " << b + 1;
        }
    }
}

TEST(MemoryTrim, TrimsInTheCapsSleepEveryHundredTwentyFrames) {
    long now = 0;
    std::vector<int> sleeps;
    // Every clock reading is 2 ms later, so a trim takes 2 ms.
    const GameClock clock{[&] { return now += 2; }, [&](int ms) { sleeps.push_back(ms); }};
    MemoryTrim trim;
    const GameClock trimming = trimmingInSleep(clock, trim);
    for (int i = 0; i < 119; ++i) trim.frameDone();
    trimming.sleepMs(5);  // not due: the whole sleep
    trim.frameDone();
    trimming.sleepMs(5);  // due: the trim's 2 ms come off the sleep
    trimming.sleepMs(5);
    EXPECT_EQ(sleeps, (std::vector<int>{5, 3, 5}));
    EXPECT_EQ(trim.framesSinceTrim, 0);

    for (int i = 0; i < 120; ++i) trim.frameDone();
    trimming.sleepMs(2);  // a trim as long as the sleep leaves none
    EXPECT_EQ(sleeps.size(), 3u);
    // Never sleeping, the frames trim themselves every 600.
    for (int i = 0; i < 599; ++i) trim.frameDone();
    EXPECT_EQ(trim.framesSinceTrim, 599);
    trim.frameDone();
    EXPECT_EQ(trim.framesSinceTrim, 0);
}

// Without threads (the browser) a task runs in wait(), on the caller's
// thread: the same draws as the worker thread's, in the same order across
// tasks, and the caller's own sequence is left where it was.
TEST(BackgroundWorkerWithoutThread, DrawsTheWorkersSequenceAndLeavesTheCallersAlone) {
    auto drawEleven = [](BackgroundWorker& worker, std::vector<int>& draws) {
        worker.start([&draws] { draws.push_back(gameRand()); });
        const bool ranAtStart = !draws.empty();
        worker.wait();
        for (int task = 0; task < 2; ++task) {
            worker.start([&draws] {
                for (int i = 0; i < 5; ++i) draws.push_back(gameRand());
            });
            worker.wait();
        }
        return ranAtStart;
    };
    restartRandom();
    gameRand();
    const unsigned int caller = randomSnapshot();
    std::vector<int> workers;
    startWorkerRandom();
    for (int i = 0; i < 11; ++i) workers.push_back(gameRand());
    restoreRandom(caller);

    std::vector<int> here;
    BackgroundWorker worker(false);
    EXPECT_FALSE(drawEleven(worker, here)) << "the task waits for wait()";
    EXPECT_EQ(here, workers);
    EXPECT_EQ(randomSnapshot(), caller);
    if (threadsAvailable()) {
        std::vector<int> onThread;
        BackgroundWorker threaded(true);
        drawEleven(threaded, onThread);
        EXPECT_EQ(onThread, workers);
    }
}

namespace {
// Animation frames at the display's rate for ten seconds: how many run.
int framesRun(double refreshHz, double jitterMs = 0) {
    FrameGate gate;
    int run = 0;
    for (int i = 0; i < refreshHz * 10; ++i) {
        const double at = 1000.0 * i / refreshHz + (i % 2 ? jitterMs : -jitterMs);
        if (gate.due(at)) ++run;
    }
    return run;
}
}  // namespace

TEST(FrameGate, SixtyUpdatesASecondAtAnyDisplayRate) {
    EXPECT_EQ(framesRun(60), 600);
    EXPECT_EQ(framesRun(60, 1.2), 600);  // callbacks a little early or late
    EXPECT_NEAR(framesRun(75), 600, 1);
    EXPECT_NEAR(framesRun(120), 600, 1);
    EXPECT_NEAR(framesRun(144, 0.5), 600, 1);
    EXPECT_EQ(framesRun(30), 300);  // a slow display: every frame, none extra
}

TEST(FrameGate, APauseRestartsTheGridInsteadOfCatchingUp) {
    FrameGate gate;
    EXPECT_TRUE(gate.due(0));
    EXPECT_FALSE(gate.due(10));
    EXPECT_TRUE(gate.due(16));
    EXPECT_TRUE(gate.due(5000));  // a hidden tab comes back
    EXPECT_FALSE(gate.due(5008));
    EXPECT_FALSE(gate.due(5014));
    EXPECT_TRUE(gate.due(5016.7));
}
