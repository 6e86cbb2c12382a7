// SPDX-License-Identifier: MIT
// Drawing tests: whole scenes in each game state.
#include <GL/gl.h>

#include <cmath>
#include <memory>

#include "app/hidden_modes.h"
#include "gl_scene.h"
#include "render/draw_caches.h"
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
        world = std::make_unique<ModelManager>([](const std::string&, std::string&) { return 0u; },
                                               GameClock::steady());
        testing::internal::GetCapturedStdout();
        static const unsigned int clear = solidTexture(0, 0, 0, 0);
        world->textures.fill(clear);
        currentSegment = std::move(world->currentMountains);
        nextSegment = std::move(world->nextMountains);
        world->clouds->cloudList.clear();
    }
    void TearDown() override {
        world.reset();
        GlScene::TearDown();
    }
    void redraw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->drawScene(plain);
        readFrame();
    }
    std::unique_ptr<ModelManager> world;
    DrawCaches plain;
    // Kept aside so most tests see only quads.
    std::unique_ptr<Mountains> currentSegment;
    std::unique_ptr<Mountains> nextSegment;
};

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
        world->drawBackground(plain, plainQuads());
        readFrame();
        // Centred on (0, 9), far behind at depth -29.9.
        expectBoxNear(boxOf(255, 255, 255, 0),
                   projectedBox(-c.half, c.half, 9 - c.half, 9 + c.half, -29.9f));
    }
    world->player->health = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    world->drawBackground(plain, plainQuads());
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
    world->drawBackground(plain, plainQuads());
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
            expectBoxNear(box, projectedBox(4.5f, 6.5f, 2.5f, 4.5f, 5));
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
        world->drawScene(plain);
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

namespace {
// A standard balloon (radius 0.5) with blue basket and magenta passenger.
class BalloonDrawing : public SceneDrawing {
protected:
    void SetUp() override {
        SceneDrawing::SetUp();
        world->textures[TexBasket] = solidTexture(0, 0, 255);
        const unsigned int magenta = solidTexture(255, 0, 255);
        for (int i = 0; i < 4; ++i) world->textures[TexRabbitIdle01 + i] = magenta;
        world->enemies.emplace_back(8, 6, 0.03f, world->textures, world->sphereMeshes, 0.5f, 1,
                                    19);
        world->player->x = -30;
        world->gameState = Playing;
        ASSERT_EQ(world->enemies[0].meshCount, 3);
    }
    // Balloon pixels: above the basket's top edge (y = 6).
    template <typename Keep>
    int countAboveBasket(Keep keep) {
        double px, py;
        project(0, 6, 0.03f, px, py);
        int n = 0;
        for (int y = static_cast<int>(py) + 2; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) n += keep(pixel(x, y));
        return n;
    }
};
}  // namespace

TEST_F(BalloonDrawing, BasketBelowTheBalloonAndTheRiderBehindIt) {
    redraw();
    expectBoxNear(boxOf(0, 0, 255, 0), projectedBox(7.5f, 8.5f, 4.75f, 6, 0.03f));
    // The rider (1 x 1 from (7.45, 4.9)) only shows left of the basket.
    const PixelBox rider = boxOf(255, 0, 255, 0);
    const PixelBox riderRect = projectedBox(7.45f, 8.45f, 4.9f, 5.9f, 0.03f);
    ASSERT_FALSE(rider.empty());
    EXPECT_NEAR(rider.left, riderRect.left, 1);
    EXPECT_NEAR(rider.bottom, riderRect.bottom, 1);
    EXPECT_NEAR(rider.top, riderRect.top, 1);
    EXPECT_LE(rider.width(), 4);
}

TEST_F(BalloonDrawing, TheBalloonIsARedSphereOfHalfAUnit) {
    redraw();
    const int red = countAboveBasket([](Rgb p) { return p.r > 0 && p.g == 0 && p.b == 0; });
    const int other = countAboveBasket([](Rgb p) { return p.g > 0 || p.b > 0; });
    EXPECT_EQ(other, 0);
    // Roughly the area of the upper half disc (pi r^2 / 2 at 55 px per unit).
    EXPECT_NEAR(red, 3.14159 * 0.25 / 2 * 55.4 * 55.4, 0.25 * 1200);
    const PixelBox lit = boxOfLit();
    EXPECT_NEAR(lit.top, projectedBox(7.5f, 8.5f, 5.5f, 6.5f, 0.03f).top, 3);
}

TEST_F(BalloonDrawing, InTintModeTheFacetsShowBlackAndWhite) {
    tintMode = true;
    redraw();
    const int grey = countAboveBasket([](Rgb p) { return p.g > 0 && p.g == p.r && p.b == p.r; });
    const int red = countAboveBasket([](Rgb p) { return p.r > 0 && p.g == 0; });
    EXPECT_GT(grey, 100);
    EXPECT_EQ(red, 0);
    // The shared mesh keeps its own colour mode.
    EXPECT_EQ(world->sphereMeshes[0].colorMode, TriangleColors);
}

TEST_F(BalloonDrawing, EachHitShowsACoarserMeshAndTheLastShowsNothing) {
    int previous = -1;
    for (int hits = 3; hits >= 1; --hits) {
        world->enemies[0].hitsLeft = hits;
        redraw();
        const int n = countAboveBasket([](Rgb p) { return p.r > 0; });
        EXPECT_GT(n, 500) << hits;
        EXPECT_NE(n, previous) << hits;
        previous = n;
    }
    for (int hits : {0, -1, 4}) {
        world->enemies[0].hitsLeft = hits;
        redraw();
        EXPECT_TRUE(boxOfLit().empty()) << hits;
    }
}

TEST_F(SceneDrawing, RabbitsShowTheirIdleOrHopFrame) {
    const unsigned int red = solidTexture(255, 0, 0);
    const unsigned int green = solidTexture(0, 255, 0);
    for (int i = 0; i < 4; ++i) world->textures[TexRabbitIdle01 + i] = red;
    for (int i = 0; i < 5; ++i) world->textures[TexRabbitJump01 + i] = green;
    world->player->x = -30;
    world->gameState = Playing;
    world->rabbits.emplace_back(6, 0, 0.01f, world->textures);
    Rabbit& r = world->rabbits[0];
    r.x = 6, r.y = 2;
    const float w = r.width, h = r.height;
    redraw();
    expectBoxNear(boxOf(255, 0, 0, 0), projectedBox(6, 6 + w, 2, 2 + h, 0.01f));
    EXPECT_TRUE(boxOf(0, 255, 0, 0).empty());

    // The third hop frame is drawn 0.1 left and 0.76 widths up.
    r.hopping = 1;
    r.jumpAnimation.frame = 2;
    redraw();
    EXPECT_TRUE(boxOf(255, 0, 0, 0).empty());
    expectBoxNear(boxOf(0, 255, 0, 0),
               projectedBox(5.9f, 5.9f + w, 2 + 0.76f * w, 2 + h + 0.76f * w, 0.01f));
}

TEST_F(SceneDrawing, BulletsTurnAboutTheirLowerLeftCorner) {
    for (int i : {15, 16, 17, 45, 46}) world->textures[i] = solidTexture(255, 0, 0);
    world->player->x = -30;
    world->gameState = Playing;
    world->playerBullets.emplace_back(0, 5, 5, 0.05f, world->textures);
    Bullet& b = world->playerBullets[0];
    b.x = 5, b.y = 5, b.angle = 90;
    redraw();
    // 1 x 0.5 turned a quarter: 0.5 wide to the left, 1 high.
    expectBoxNear(boxOf(255, 0, 0, 0), projectedBox(4.5f, 5, 5, 6, 0.05f));
}

TEST_F(SceneDrawing, TheDeathScreenDrawsTheGroundBeforeTheBullets) {
    // A clear ground still writes depth: bullets drawn after it vanish behind.
    for (int i : {15, 16, 17, 45, 46}) world->textures[i] = solidTexture(255, 0, 0);
    world->player->x = -30;
    world->enemyBullets.emplace_back(0, 5, 0, 0.05f, world->textures);
    world->enemyBullets[0].y = -0.2f;
    world->playerBullets.emplace_back(0, 8, 2, 0.05f, world->textures);
    world->playerBullets[0].y = 2;
    for (int state : {InitialMenu, DeathMenu}) {
        world->gameState = state;
        redraw();
        const PixelBox bullets = boxOf(255, 0, 0, 0);
        const PixelBox above = projectedBox(8, 9, 2, 2.5f, 0.05f);
        const PixelBox inGround = projectedBox(5, 6, -0.2f, 0.3f, 0.05f);
        ASSERT_FALSE(bullets.empty());
        EXPECT_NEAR(bullets.top, above.top, 1);
        if (state == DeathMenu)
            EXPECT_EQ(bullets.count, above.count);
        else
            EXPECT_NEAR(bullets.bottom, inGround.bottom, 1);
    }
}

TEST_F(SceneDrawing, ParticlesSpinFadeAndStopShowingWhenTheirAnimationEnds) {
    world->player->x = -30;
    world->gameState = Playing;
    auto add = [&](float x, float y, unsigned int texture) {
        world->particles.emplace_back(Vec3{}, x, y, 0, true, oneFrame(texture), 1.0f);
        return &world->particles.back();
    };
    add(4, 4, solidTexture(255, 255, 255));
    Particle* fading = add(10, 4, solidTexture(0, 255, 0));
    fading->fades = true;
    fading->fadeTime = 2;
    fading->age = 1;
    fading->spinRate = 45;  // turned 45 degrees
    Particle* spent = add(16, 4, solidTexture(0, 0, 255));
    spent->animation.running = false;
    fading = &world->particles[1];
    redraw();
    // Centred on (x, y).
    expectBoxNear(boxOf(255, 255, 255, 0), projectedBox(3.5f, 4.5f, 3.5f, 4.5f, -0.01f));
    // Half alpha, and a diamond 1.41 across.
    const PixelBox diamond = boxOf(0, 128, 0, 1);
    const float h = 0.7071f;
    expectBoxNear(diamond, projectedBox(10 - h, 10 + h, 4 - h, 4 + h, -0.01f), 2);
    EXPECT_NEAR(diamond.count, 55.4 * 55.4, 150);
    EXPECT_TRUE(boxOf(0, 0, 255, 0).empty());

    world->gameState = InitialMenu;
    redraw();
    EXPECT_TRUE(boxOf(255, 255, 255, 0).empty());
}

TEST_F(SceneDrawing, MountainsStandBetweenTheBackdropAndTheGroundAndTurnOrangeInTint) {
    world->currentMountains = std::move(currentSegment);
    world->nextMountains = std::move(nextSegment);
    const Vec3 own = world->currentMountains->color;
    int mountainPixels = 0;
    for (bool tint : {false, true, false}) {
        tintMode = tint;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->drawBackground(plain, plainQuads());
        readFrame();
        int lit = 0, orange = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rgb p = pixel(x, y);
                if (p.r + p.g + p.b == 0) continue;
                ++lit;
                orange += p.b == 0 && p.r > p.g && p.g > 0;
            }
        EXPECT_GT(lit, kWidth * 20) << tint;
        if (tint) {
            EXPECT_GT(orange, lit * 9 / 10);
            EXPECT_EQ(world->currentMountains->mesh->color, (Vec3{1, 0.5f, 0}));
            EXPECT_EQ(world->nextMountains->mesh->color, (Vec3{1, 0.5f, 0}));
        } else {
            EXPECT_EQ(orange, 0);
            EXPECT_EQ(world->currentMountains->mesh->color, own);
            // The same picture before and after the tint.
            if (mountainPixels) {
                EXPECT_EQ(lit, mountainPixels);
            }
            mountainPixels = lit;
        }
    }
    // Scrolled by half a segment the relief moves on.
    world->distance = 25;
    std::vector<std::uint8_t> before = frame;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    world->drawBackground(plain, plainQuads());
    readFrame();
    EXPECT_NE(frame, before);
}
