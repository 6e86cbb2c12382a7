// SPDX-License-Identifier: MIT
// Drawing tests: the car.
#include <GL/gl.h>

#include <cmath>

#include "gameplay/player.h"
#include "geometry/random.h"
#include "gl_scene.h"
#include "render/quad.h"

namespace {
// A 1024 x 1024 stand-in for the car's sprite sheet: the body's rectangle is
// red, the small wheel blue, the big wheel green, the barrel yellow; the rest
// is clear.
unsigned int fakeCarSheet() {
    constexpr int n = 1024;
    std::vector<std::uint8_t> texels(n * n * 4, 0);
    auto fill = [&](int s0, int s1, int t0, int t1, std::uint8_t r, std::uint8_t g,
                    std::uint8_t b) {
        for (int t = t0; t < t1; ++t)
            for (int s = s0; s < s1; ++s) {
                std::uint8_t* p = &texels[static_cast<size_t>((t * n + s) * 4)];
                p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
            }
    };
    fill(82, 494, 108, 844, 255, 0, 0);    // body
    fill(620, 680, 108, 228, 0, 0, 255);   // small wheel
    fill(738, 946, 108, 524, 0, 255, 0);   // big wheel
    fill(806, 872, 720, 768, 255, 255, 0);  // barrel
    return GlScene::makeTexture(n, n, texels);
}

class CarDrawing : public GlScene {
protected:
    void SetUp() override {
        GlScene::SetUp();
        static const unsigned int sheet = fakeCarSheet();
        textures.fill(0);
        textures[TexCar] = sheet;
        car.x = 5;
    }
    void redraw(bool still, bool held = false) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        car.draw(textures, still, plainQuads(), held);
        readFrame();
    }
    TextureTable textures{};
    Player car;
};

}  // namespace

TEST_F(CarDrawing, PartsComeFromTheirSheetRectanglesAtTheirPlaces) {
    redraw(true);
    // The body spans 2.25 x 2 from the car's corner.
    expectBoxNear(boxOf(255, 0, 0, 0), projectedBox(5, 7.25f, 0, 2, 0));
    // The big wheel is drawn over the body, from 0.7646 to 1.9005.
    const PixelBox big = boxOf(0, 255, 0, 0);
    expectBoxNear(big, projectedBox(5 + car.bigWheelX, 5 + car.bigWheelX + car.bigWheelSize, 0,
                                 car.bigWheelSize, 0),
               2);
    const PixelBox small = boxOf(0, 0, 255, 0);
    expectBoxNear(small, projectedBox(5 + car.smallWheelX, 5 + car.smallWheelX + car.smallWheelSize,
                                   0, car.smallWheelSize, 0),
               2);
    // The barrel points right from its pivot; the body covers its left end.
    const PixelBox barrel = boxOf(255, 255, 0, 0);
    const PixelBox barrelRect =
        projectedBox(5 + car.turretPivotX, 5 + car.turretPivotX + car.turretWidth,
                     car.turretPivotY, car.turretPivotY + car.turretHeight, 0);
    ASSERT_FALSE(barrel.empty());
    EXPECT_NEAR(barrel.right, barrelRect.right, 1);
    EXPECT_NEAR(barrel.bottom, barrelRect.bottom, 1);
    EXPECT_NEAR(barrel.top, barrelRect.top, 1);
}

TEST_F(CarDrawing, TheBarrelTurnsAboutTheMiddleOfItsLeftEnd) {
    car.turretAngle = 90;
    redraw(true);
    const float pivotX = 5 + car.turretPivotX;
    const float pivotY = car.turretPivotY + car.turretHeight / 2;
    const PixelBox barrel = boxOf(255, 255, 0, 0);
    const PixelBox upright = projectedBox(pivotX - car.turretHeight / 2,
                                          pivotX + car.turretHeight / 2, pivotY,
                                          pivotY + car.turretWidth, 0);
    ASSERT_FALSE(barrel.empty());
    EXPECT_NEAR(barrel.top, upright.top, 1);
    EXPECT_NEAR(barrel.right, upright.right, 1);
    // Beyond the body (x > 7.25) only the barrel's right part shows.
    EXPECT_LE(barrel.width(), upright.width() + 1);
}

TEST_F(CarDrawing, AHitCarTurnsRedOnEverySecondDraw) {
    car.blinkTimer = 0.3f;
    const PixelBox body = projectedBox(5, 7.25f, 0, 2, 0);
    for (int draw = 0; draw < 4; ++draw) {
        redraw(true);
        const bool red = draw % 2 == 0;
        EXPECT_EQ(car.blinkOn, red);
        // Red stays red; green and blue are multiplied by 0.25 on the wheels.
        expectBoxNear(boxOf(255, 0, 0, 0), body);
        if (red) {
            EXPECT_FALSE(boxOf(0, 64, 0, 1).empty()) << draw;
            EXPECT_TRUE(boxOf(0, 255, 0, 0).empty()) << draw;
            EXPECT_FALSE(boxOf(255, 64, 0, 1).empty()) << draw;
        } else {
            EXPECT_FALSE(boxOf(0, 255, 0, 0).empty()) << draw;
            EXPECT_FALSE(boxOf(255, 255, 0, 0).empty()) << draw;
        }
    }
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[1], 1);

    // Once the timer has run out the car keeps its colours and its phase.
    car.blinkTimer = 0;
    car.blinkOn = true;
    redraw(true);
    EXPECT_TRUE(car.blinkOn);
    EXPECT_FALSE(boxOf(0, 255, 0, 0).empty());
}

TEST_F(CarDrawing, ACarWithoutHealthSags) {
    redraw(true);
    const PixelBox healthyBody = boxOf(255, 0, 0, 0);
    const PixelBox healthyBarrel = boxOf(255, 255, 0, 0);
    const PixelBox wheel = boxOf(0, 255, 0, 0);

    car.health = 0;
    redraw(true);
    const PixelBox body = boxOf(255, 0, 0, 0);
    const PixelBox barrel = boxOf(255, 255, 0, 0);
    double x, y0, y1;
    project(5, 0, 0, x, y0);
    project(5, 0.1f, 0, x, y1);
    const int drop = static_cast<int>(std::lround(y1 - y0));
    EXPECT_NEAR(body.top, healthyBody.top - drop, 1);
    EXPECT_NEAR(barrel.top, healthyBarrel.top - drop, 1);
    EXPECT_NEAR(boxOf(0, 255, 0, 0).bottom, wheel.bottom, 0);

    // Below zero the body still sags, but the barrel only sags at exactly 0.
    car.health = -10;
    redraw(true);
    EXPECT_NEAR(boxOf(255, 0, 0, 0).top, healthyBody.top - drop, 1);
    EXPECT_NEAR(boxOf(255, 255, 0, 0).top, healthyBarrel.top, 1);
}

TEST_F(CarDrawing, AJumpingCarIsDrawnOnItsArc) {
    car.jumpPhase = 0.5f;
    redraw(false);
    expectBoxNear(boxOf(255, 0, 0, 0), projectedBox(5, 7.25f, 2, 4, 0));
}

TEST_F(CarDrawing, AlwaysDrawsThreeRandomNumbers) {
    restartRandom();
    for (int i = 0; i < 3; ++i) gameRand();
    const int fourth = gameRand();
    for (bool still : {true, false}) {
        restartRandom();
        redraw(still);
        EXPECT_EQ(gameRand(), fourth);
    }
    car.jumpPhase = 0.3f;
    restartRandom();
    redraw(false);
    EXPECT_EQ(gameRand(), fourth);
}

TEST_F(CarDrawing, AStandingCarShakesWithinTwoHundredths) {
    // Moving, on the ground: the body jitters by at most 0.02 and a tilt of
    // at most 0.2 degrees, so it stays within about a pixel and a half.
    bool moved = false;
    const PixelBox still = projectedBox(5, 7.25f, 0, 2, 0);
    for (int i = 0; i < 10; ++i) {
        redraw(false);
        const PixelBox body = boxOf(255, 0, 0, 0);
        expectBoxNear(body, still, 2);
        moved = moved || body.bottom != still.bottom || body.top != still.top;
    }
    EXPECT_TRUE(moved);
}

TEST_F(CarDrawing, APausedGameDrawnAgainShowsTheCarAsItWas) {
    car.blinkTimer = 0.3f;
    restartRandom();
    const int first = gameRand();
    for (int i = 0; i < 5; ++i) {
        redraw(false);
        const std::vector<std::uint8_t> shown = frame;
        const bool blink = car.blinkOn;
        restartRandom();
        redraw(false, true);
        EXPECT_EQ(frame, shown) << i;
        EXPECT_EQ(car.blinkOn, blink);
        EXPECT_EQ(gameRand(), first);  // nothing drawn from the sequence
    }
}
