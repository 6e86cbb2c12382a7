#include <GL/gl.h>

#include <cmath>
#include <memory>

#include "app/hidden_modes.h"
#include "gl_scene.h"
#include "world/model_manager.h"

namespace {
// A world whose pictures are all made here: every slot starts as a clear
// texture, the tests give the slots they look at a colour. The mountains are
// left out so only quads are drawn.
class SceneDrawing : public GlScene {
protected:
    void SetUp() override {
        GlScene::SetUp();
        testing::internal::CaptureStdout();
        world = std::make_unique<ModelManager>([](const std::string&) { return 0u; },
                                               GameClock::steady());
        testing::internal::GetCapturedStdout();
        static const unsigned int clear = solidTexture(0, 0, 0, 0);
        world->textures.fill(clear);
        world->currentMountains.reset();
        world->nextMountains.reset();
        world->clouds->cloudList.clear();
    }
    void TearDown() override {
        world.reset();
        GlScene::TearDown();
    }
    void redraw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->drawScene();
        readFrame();
    }
    std::unique_ptr<ModelManager> world;
};

void expectNear(const GlScene::PixelBox& actual, const GlScene::PixelBox& expected,
                int tolerance = 1) {
    ASSERT_FALSE(actual.empty());
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.right, expected.right, tolerance);
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
}

SpriteAnimation oneFrame(unsigned int texture, Vec3 offset = {}) {
    SpriteAnimation a;
    a.frameTextures = {texture};
    a.frameDurations = {1};
    a.frameOffsets = {offset};
    return a;
}
}  // namespace

TEST_F(SceneDrawing, TheMoonShrinksWithTheCarsHealth) {
    world->textures[TexMoon] = solidTexture(255, 255, 255);
    world->textures[TexBackground] = solidTexture(0, 0, 80);
    struct Case {
        float health, half;
    };
    for (Case c : {Case{100, 1}, Case{50, 0.5f}, Case{75, 0.75f}}) {
        world->player->health = c.health;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->drawBackground();
        readFrame();
        // Centred on (0, 9), far behind at depth -29.9.
        expectNear(boxOf(255, 255, 255, 0),
                   projectedBox(-c.half, c.half, 9 - c.half, 9 + c.half, -29.9f));
    }
    world->player->health = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    world->drawBackground();
    readFrame();
    EXPECT_TRUE(boxOf(255, 255, 255, 0).empty());
    // The backdrop fills the view down to its lower edge, y = -2 (the ground
    // covers the rest in the game).
    const PixelBox backdrop = boxOf(0, 0, 80, 0);
    const PixelBox backdropRect = projectedBox(-4, 24, -2, 12, -30);
    EXPECT_EQ(backdrop.count, kWidth * (kHeight - backdropRect.bottom));
    EXPECT_NEAR(backdrop.bottom, backdropRect.bottom, 1);
}

TEST_F(SceneDrawing, TheNightSkyCoversTheUpperBackdrop) {
    world->textures[TexBackground] = solidTexture(0, 0, 80);
    world->textures[TexNightSky] = solidTexture(0, 80, 0);
    world->drawBackground();
    readFrame();
    const PixelBox sky = boxOf(0, 80, 0, 0);
    const PixelBox skyRect = projectedBox(-4, 24, 5, 12, -29.95f);
    ASSERT_FALSE(sky.empty());
    EXPECT_NEAR(sky.bottom, skyRect.bottom, 1);
    EXPECT_EQ(sky.top, kHeight - 1);
    EXPECT_EQ(boxOf(0, 0, 80, 0).top, sky.bottom - 1);
}

TEST_F(SceneDrawing, TheOverlayIsMultipliedByTheMenuHue) {
    world->textures[TexMenuInitial] = solidTexture(255, 255, 255);
    world->menuHue = 120;
    redraw();
    EXPECT_EQ(boxOf(0, 255, 0, 0).count, kWidth * kHeight);

    world->menuHue = 240;
    redraw();
    EXPECT_EQ(boxOf(0, 0, 255, 0).count, kWidth * kHeight);
}

TEST_F(SceneDrawing, TheOverlayFadesWithTheTransitionExceptWhileDying) {
    world->textures[TexMenuInitial] = solidTexture(255, 255, 255);
    world->textures[TexMenuPlayingToDeath] = solidTexture(255, 255, 255);
    world->menuHue = 0;
    world->transitionProgress = 0.5f;
    world->player->x = -30;  // out of sight

    world->gameState = EnteringPlay;
    redraw();
    EXPECT_EQ(boxOf(128, 0, 0, 1).count, kWidth * kHeight);

    world->gameState = Dying;
    redraw();
    EXPECT_EQ(boxOf(255, 0, 0, 0).count, kWidth * kHeight);
}

TEST_F(SceneDrawing, TintTurnsNearQuadsOrangeWhileTheBackdropKeepsItsColours) {
    tintMode = true;
    world->textures[TexBackground] = solidTexture(0, 0, 255);
    world->textures[TexGround] = solidTexture(255, 255, 255);
    world->gameState = Playing;
    world->player->x = -30;
    redraw();
    // The ground strip (y -3 to 0.4 at depth 1) is orange, the sky above it
    // keeps the backdrop's blue.
    const PixelBox ground = boxOf(255, 128, 0, 1);
    EXPECT_EQ(ground.count, kWidth * ground.height());
    EXPECT_EQ(ground.bottom, 0);
    EXPECT_NEAR(ground.top, projectedBox(-2, 22, -3, 0.4f, 1).top, 1);
    const PixelBox backdrop = boxOf(0, 0, 255, 0);
    ASSERT_FALSE(backdrop.empty());
    EXPECT_EQ(backdrop.top, kHeight - 1);
    EXPECT_TRUE(boxOf(255, 255, 255, 0).empty());
}

TEST_F(SceneDrawing, TheCarIsDrawnOnlyOutsideTheMenus) {
    world->textures[TexCar] = solidTexture(255, 0, 0);
    world->player->x = 8;
    for (int state : {InitialMenu, EnteringPlay, Playing, LeavingPlay, Dying, DeathMenu}) {
        world->gameState = state;
        world->transitionProgress = 0;
        redraw();
        const bool drawn = state != InitialMenu && state != DeathMenu;
        EXPECT_EQ(!boxOf(255, 0, 0, 0).empty(), drawn) << "state " << state;
    }
}

TEST_F(SceneDrawing, ExplosionsShowOnlyInPlayAtTheirFrameOffset) {
    Explosion e;
    e.x = 4;
    e.y = 3;
    e.size = 2;
    e.animation = oneFrame(solidTexture(255, 255, 0), {0.5f, -0.5f, 0});
    world->explosions.push_back(e);
    world->player->x = -30;
    for (int state : {InitialMenu, EnteringPlay, Playing, LeavingPlay, Dying, DeathMenu}) {
        world->gameState = state;
        redraw();
        const PixelBox box = boxOf(255, 255, 0, 0);
        if (state == Playing || state == LeavingPlay || state == Dying)
            expectNear(box, projectedBox(4.5f, 6.5f, 2.5f, 4.5f, 5));
        else
            EXPECT_TRUE(box.empty()) << "state " << state;
    }
}

TEST_F(SceneDrawing, TheGroundScrollsAndRepeatsItsTexture) {
    // Left half red, right half blue: bands change every 50 / 3.6 units.
    world->textures[TexGround] =
        makeTexture(2, 1, {255, 0, 0, 255, 0, 0, 255, 255});
    world->player->x = -30;
    world->gameState = Playing;
    auto boundary = [&] {
        // The first column that turns from blue to red along the ground's middle.
        double px, py;
        project(0, -1, 1, px, py);
        const int row = static_cast<int>(py);
        for (int x = 1; x < kWidth; ++x)
            if (pixel(x - 1, row).b == 255 && pixel(x, row).r == 255) return x;
        return -1;
    };
    redraw();
    double expected, py;
    // s = 1 at x = -20 + 50 / 1.8.
    project(-20 + 50 / 1.8f, -1, 1, expected, py);
    EXPECT_NEAR(boundary(), expected, 1.5);

    world->distance = 5;
    redraw();
    project(-25 + 50 / 1.8f, -1, 1, expected, py);
    EXPECT_NEAR(boundary(), expected, 1.5);
}

TEST_F(SceneDrawing, TheShakeJittersAndTiltsTheWholeView) {
    world->textures[TexMoon] = solidTexture(255, 255, 255);
    world->shake.offsetX = 1;
    redraw();
    // The moon's centre (0, 9) turns 2 degrees about (10, 4), then moves right.
    const double a = 2 * 3.141592653589793 / 180;
    const float cx = static_cast<float>(10 + -10 * std::cos(a) - 5 * std::sin(a) + 1);
    const float cy = static_cast<float>(4 + -10 * std::sin(a) + 5 * std::cos(a));
    double px, py;
    project(cx, cy, -29.9f, px, py);
    const PixelBox moon = boxOf(255, 255, 255, 0);
    ASSERT_FALSE(moon.empty());
    EXPECT_NEAR((moon.left + moon.right + 1) / 2.0, px, 1.5);
    EXPECT_NEAR((moon.bottom + moon.top + 1) / 2.0, py, 1.5);
}

TEST_F(SceneDrawing, LeavesTheDrawingStateAsItFoundIt) {
    GLdouble before[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, before);
    world->shake.offsetX = 0.3f;
    world->shake.offsetY = -0.2f;
    for (int state : {InitialMenu, EnteringPlay, Playing, LeavingPlay, Dying, DeathMenu}) {
        world->gameState = state;
        glEnable(GL_LIGHTING);
        world->drawScene();
        glGetDoublev(GL_MODELVIEW_MATRIX, after);
        for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(after[i], before[i]) << state;
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, 0);
    }
}
