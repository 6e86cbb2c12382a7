// SPDX-License-Identifier: MIT
// One scripted game drawn by every path: each frame equals the plain drawing.
#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "geometry/random.h"
#include "gl_scene.h"
#include "render/back_layer_cache.h"
#include "render/draw_path.h"
#include "render/ground_cover.h"
#include "render/overlay_cache.h"
#include "support/test_world.h"
#include "world/model_manager.h"

namespace {
const char* const kStateNames[] = {"menu",     "drive-in", "play",
                                   "drive-out", "dying",    "death screen"};

class ReferenceFrames : public GlScene {
protected:
    void SetUp() override {
        GlScene::SetUp();
        testing::internal::CaptureStdout();
        world = std::make_unique<ModelManager>();  // the real pictures
        testing::internal::GetCapturedStdout();
        world->clock = time.clock();
        world->lastClock = 0;
        modelManager = world.get();
        switchMouseCallback = [](bool) {};
        freeCameraMode = false;
        dropDrawCaches();
        for (DrawPath path : {DrawPath::TextureCopy, DrawPath::FramebufferBlit}) {
            if (drawPathSupported(path)) paths.push_back(path);
        }
    }
    void TearDown() override {
        forceDrawPath(DrawPath::Plain);
        dropDrawCaches();
        modelManager = nullptr;
        world.reset();
        GlScene::TearDown();
    }

    // Draws the current frame as the display routine does, with `path`,
    // from the given point of the random sequence and blink phase.
    std::vector<std::uint8_t> draw(DrawPath path, unsigned int random, bool blink) {
        forceDrawPath(path);
        restoreRandom(random);
        world->player->blinkOn = blink;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(world->viewOffset.x, world->viewOffset.y, world->viewOffset.z);
        world->drawScene();
        readFrame();
        return frame;
    }

    // One 100 ms frame of the game, then the comparison. Tint alternates
    // every five frames so every state is seen in both modes, with still
    // runs long enough for the caches to fill and serve.
    void step() {
        time.now += 100;
        world->updateFrame();
        tintMode = (frameCount / 5) % 2 == 1;
        const unsigned int random = randomSnapshot();
        const bool blink = world->player->blinkOn;
        const std::vector<std::uint8_t> plain = draw(DrawPath::Plain, random, blink);
        const unsigned int randomAfter = randomSnapshot();
        for (DrawPath path : paths) {
            const std::vector<std::uint8_t> fast = draw(path, random, blink);
            coveredRows = std::max(coveredRows, groundCover().hiddenRows);
            EXPECT_EQ(randomSnapshot(), randomAfter);
            long differing = 0;
            for (size_t i = 0; i < plain.size(); i += 3) {
                if (plain[i] != fast[i] || plain[i + 1] != fast[i + 1] ||
                    plain[i + 2] != fast[i + 2])
                    ++differing;
            }
            EXPECT_EQ(differing, 0) << drawPathName(path) << ", frame " << frameCount << " ("
                                    << kStateNames[world->gameState]
                                    << (tintMode ? ", tinted" : "") << ")";
        }
        ++seen[world->gameState];
        ++frameCount;
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i) step();
    }
    void stepsUntil(int state, int limit) {
        for (int i = 0; i < limit && world->gameState != state; ++i) step();
        ASSERT_EQ(world->gameState, state);
    }

    ManualClock time;
    std::unique_ptr<ModelManager> world;
    std::vector<DrawPath> paths;
    int frameCount = 0;
    int seen[6] = {};
    int coveredRows = 0;
};
}  // namespace

TEST_F(ReferenceFrames, EveryPathDrawsThePlainPixelsInEveryState) {
    ASSERT_FALSE(paths.empty()) << "no caching path on this driver";
    steps(12);
    handleKey(' ');
    stepsUntil(Playing, 40);
    // Shots, hits and the shaking view, then the view settling.
    for (int i = 0; i < 6; ++i) {
        handleKey(' ');
        world->spawnExplosion(6.0f + 2 * i, 5, 1);
        steps(3);
    }
    steps(20);
    handleKey(27);
    stepsUntil(InitialMenu, 80);
    steps(6);
    handleKey(' ');
    stepsUntil(Playing, 40);
    world->spawnExplosion(10, 4, 2);
    steps(4);
    world->player->health = -1;  // below what one update's healing lifts back
    stepsUntil(DeathMenu, 120);
    steps(12);

    for (int state = 0; state < 6; ++state) EXPECT_GT(seen[state], 0) << kStateNames[state];
    // The caches and the ground's covered rows were used, so the comparison
    // covered them.
    EXPECT_GT(coveredRows, 60);
    for (DrawPath path : paths) {
        forceDrawPath(path);
        EXPECT_GT(backLayerCache().hits, 20) << drawPathName(path);
        if (path == DrawPath::FramebufferBlit) {
            EXPECT_GT(overlayCache().hits, 20);
        }
    }
    std::printf("%d frames compared on %zu caching paths\n", frameCount, paths.size());
}
