// SPDX-License-Identifier: MIT
// One scripted game drawn by every path: each frame equals the plain drawing.
#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "geometry/random.h"
#include "gl_scene.h"
#include "render/draw_caches.h"
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
        for (DrawPath path : {DrawPath::TextureCopy, DrawPath::FramebufferBlit}) {
            auto caches = std::make_unique<DrawCaches>();
            if (caches->forceDrawPath(path) == path) paths.push_back(std::move(caches));
        }
    }
    void TearDown() override {
        paths.clear();
        modelManager = nullptr;
        world.reset();
        GlScene::TearDown();
    }

    // Draws the current frame as the display routine does, by the path
    // `caches` took, from the given point of the random sequence and blink
    // phase.
    std::vector<std::uint8_t> draw(DrawCaches& caches, unsigned int random, bool blink) {
        restoreRandom(random);
        world->player->blinkOn = blink;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(world->viewOffset.x, world->viewOffset.y, world->viewOffset.z);
        world->drawScene(caches);
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
        const std::vector<std::uint8_t> plain = draw(plainPath, random, blink);
        const unsigned int randomAfter = randomSnapshot();
        for (const auto& caches : paths) {
            const std::vector<std::uint8_t> fast = draw(*caches, random, blink);
            EXPECT_EQ(randomSnapshot(), randomAfter);
            long differing = 0;
            for (size_t i = 0; i < plain.size(); i += 3) {
                if (plain[i] != fast[i] || plain[i + 1] != fast[i + 1] ||
                    plain[i + 2] != fast[i + 2])
                    ++differing;
            }
            EXPECT_EQ(differing, 0) << drawPathName(caches->path()) << ", frame " << frameCount
                                    << " (" << kStateNames[world->gameState]
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
    DrawCaches plainPath;
    std::vector<std::unique_ptr<DrawCaches>> paths;  // each caching path the driver offers
    int frameCount = 0;
    int seen[6] = {};
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
    // A hit once the shake has settled: the moon shrinks under a still view,
    // which a kept copy of the back layers must not hide.
    world->shake = ScreenShake{};
    steps(3);
    world->player->health -= 10;
    steps(3);
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
    // The caches were used, so the comparison covered them.
    for (const auto& caches : paths) {
        EXPECT_GT(caches->backLayers.hits, 20) << drawPathName(caches->path());
        if (caches->path() == DrawPath::FramebufferBlit) {
            EXPECT_GT(caches->overlay.hits, 20);
        }
    }
    std::printf("%d frames compared on %zu caching paths\n", frameCount, paths.size());
}
