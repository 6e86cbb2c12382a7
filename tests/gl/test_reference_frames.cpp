// SPDX-License-Identifier: MIT
// One scripted game drawn by every path: each frame equals the plain drawing.
#include <GL/gl.h>
#include <GL/glext.h>

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
#include "render/scaled_frame.h"
#include "support/test_world.h"
#include "world/model_manager.h"

namespace {
const char* const kStateNames[] = {"menu",     "drive-in", "play",
                                   "drive-out", "dying",    "death screen"};

// Where a frame is drawn: the window as it always was; off the window, as
// for a fullscreen or scaled window (render/scaled_frame.h); or straight
// into an offset, smaller viewport, as where the driver has no framebuffer
// objects.
enum class Placement { Window, OffWindow, OffsetViewport };
const char* const kPlacementNames[] = {"window", "off the window", "offset viewport"};

class ReferenceFrames : public GlScene {
protected:
    void SetUp() override {
        GlScene::SetUp();
        testing::internal::CaptureStdout();
        world = std::make_unique<ModelManager>();  // the real pictures
        testing::internal::GetCapturedStdout();
        world->clock = time.clock();
        offWindow.setWindowSize(1920, 1080);
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
    std::vector<std::uint8_t> draw(DrawCaches& caches, unsigned int random, bool blink,
                                   Placement where) {
        restoreRandom(random);
        world->player->blinkOn = blink;
        if (where == Placement::OffWindow) {
            offWindow.begin();
            EXPECT_TRUE(offWindow.offWindow());
        } else {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glViewport(0, 0, kWidth, kHeight);
            if (where == Placement::OffsetViewport) glViewport(160, 90, 960, 540);
        }
        glLoadIdentity();
        glTranslatef(world->viewOffset.x, world->viewOffset.y, world->viewOffset.z);
        world->drawScene(caches);
        // The viewport's pixels, from the framebuffer drawn into.
        GLint v[4], read = 0;
        glGetIntegerv(GL_VIEWPORT, v);
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
        glFinish();
        glReadBuffer(read != 0 ? GL_COLOR_ATTACHMENT0 : GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        frame.assign(static_cast<size_t>(v[2] * v[3] * 3), 0);
        glReadPixels(v[0], v[1], v[2], v[3], GL_RGB, GL_UNSIGNED_BYTE, frame.data());
        if (where == Placement::OffWindow) offWindow.end();
        glViewport(0, 0, kWidth, kHeight);
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
        // Off the window the plain path is held to its own pixels in the window.
        const std::vector<std::uint8_t> plain = draw(
            plainPath, random, blink,
            placement == Placement::OffsetViewport ? placement : Placement::Window);
        const unsigned int randomAfter = randomSnapshot();
        std::vector<DrawCaches*> compared;
        for (const auto& caches : paths) compared.push_back(caches.get());
        if (placement == Placement::OffWindow) compared.push_back(&plainPath);
        for (DrawCaches* caches : compared) {
            const std::vector<std::uint8_t> fast = draw(*caches, random, blink, placement);
            EXPECT_EQ(randomSnapshot(), randomAfter);
            long differing = 0;
            for (size_t i = 0; i < plain.size(); i += 3) {
                if (plain[i] != fast[i] || plain[i + 1] != fast[i + 1] ||
                    plain[i + 2] != fast[i + 2])
                    ++differing;
            }
            EXPECT_EQ(differing, 0) << drawPathName(caches->path()) << ", "
                                    << kPlacementNames[static_cast<int>(placement)] << ", frame "
                                    << frameCount
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
    Placement placement = Placement::Window;
    ScaledFrame offWindow;  // sized for a 1920 x 1080 screen: draws off the window
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

// Fullscreen and scaled windows: the same script, shortened, drawn off the
// window and into an offset, scaled viewport; the caches size themselves
// from the viewport and copy from its corner.
TEST_F(ReferenceFrames, OffTheWindowAndInAnOffsetViewportEveryPathDrawsThePlainPixels) {
    ASSERT_FALSE(paths.empty()) << "no caching path on this driver";
    for (Placement where : {Placement::OffWindow, Placement::OffsetViewport}) {
        placement = where;
        for (const auto& caches : paths) caches->release();
        steps(8);
        handleKey(' ');
        stepsUntil(Playing, 40);
        handleKey(' ');
        world->spawnExplosion(8, 5, 1);
        steps(12);
        world->shake = ScreenShake{};
        steps(4);
        handleKey(27);
        stepsUntil(InitialMenu, 80);
        steps(4);
        for (const auto& caches : paths) {
            EXPECT_GT(caches->backLayers.hits, 8) << drawPathName(caches->path());
            // The kept menu picture only at the framebuffer's corner.
            if (caches->path() == DrawPath::FramebufferBlit && where == Placement::OffWindow) {
                EXPECT_GT(caches->overlay.hits, 8);
            }
            if (where == Placement::OffsetViewport) {
                EXPECT_EQ(caches->overlay.hits, 0);
            }
        }
    }
    std::printf("%d frames compared on %zu caching paths and the plain one\n", frameCount,
                paths.size());
}
