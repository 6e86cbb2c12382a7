// SPDX-License-Identifier: MIT
// Drawing tests: the quad primitive and its wrappers.
#include <GL/gl.h>

#include "app/hidden_modes.h"
#include "gameplay/sprite_animation.h"
#include "gl_scene.h"
#include "render/quad.h"

using Quads = GlScene;

TEST_F(Quads, APlainQuadCoversItsRectangleAtTheRightScale) {
    const unsigned int white = solidTexture(255, 255, 255);
    drawPlainQuad(plainQuads(), white, 2, 6, 3, 1, 0);
    readFrame();
    const PixelBox box = boxOf(255, 255, 255);
    expectBoxNear(box, projectedBox(2, 6, 1, 3, 0));
    // About 55 pixels per unit in the play plane.
    EXPECT_NEAR(box.width(), 4 * 55.4, 3);
    EXPECT_NEAR(box.height(), 2 * 55.0, 3);
    EXPECT_EQ(box.count, box.width() * box.height());
}

TEST_F(Quads, TextureCoordinatesPutTheFirstRowAtTheBottom) {
    // Row t = 0: red, green; row t = 1: blue, white.
    const unsigned int tex = makeTexture(
        2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255});
    drawQuad(tex, 0, 4, 4, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1);
    readFrame();
    double x0, y0, x1, y1;
    project(1, 1, 0, x0, y0);
    project(3, 3, 0, x1, y1);
    auto at = [&](double x, double y) { return pixel(int(x), int(y)); };
    EXPECT_EQ(at(x0, y0).r, 255);
    EXPECT_EQ(at(x1, y0).g, 255);
    EXPECT_EQ(at(x1, y0).r, 0);
    EXPECT_EQ(at(x0, y1).b, 255);
    EXPECT_EQ(at(x0, y1).r, 0);
    EXPECT_EQ(at(x1, y1).r + at(x1, y1).g + at(x1, y1).b, 3 * 255);
}

TEST_F(Quads, TheColourMultipliesTheTextureAndAlphaBlends) {
    const unsigned int orange = solidTexture(255, 128, 0);
    drawQuad(orange, 0, 2, 2, 0, 0, 1, 1, 0, 0, 0.5f, 1, 1, 1);
    const unsigned int white = solidTexture(255, 255, 255);
    drawQuad(white, 4, 6, 2, 0, 0, 1, 1, 0, 0, 0, 1, 0, 0.5f);
    readFrame();
    EXPECT_FALSE(boxOf(128, 128, 0, 2).empty());
    expectBoxNear(boxOf(0, 128, 0, 2), projectedBox(4, 6, 0, 2, 0));
}

TEST_F(Quads, TintTurnsNearQuadsOrangeAndLeavesTheBackdrop) {
    tintMode = true;
    const unsigned int white = solidTexture(255, 255, 255);
    drawQuad(white, 0, 2, 2, 0, 0, 1, 1, 0, -30, 1, 1, 1, 1);       // backdrop layer
    drawQuad(white, 4, 6, 2, 0, 0, 1, 1, 0, -4, 0, 0, 1, 1);        // exactly at the limit
    drawQuad(white, 8, 10, 2, 0, 0, 1, 1, 0, -3.99f, 0, 0, 1, 1);   // just nearer
    drawQuad(white, 12, 14, 2, 0, 0, 1, 1, 0, 0, 0, 0, 1, 0.5f);    // half transparent
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    readFrame();

    EXPECT_EQ(bound, 0);
    EXPECT_FLOAT_EQ(colour[0], 1);
    EXPECT_FLOAT_EQ(colour[1], 0.5f);
    EXPECT_FLOAT_EQ(colour[2], 0);
    EXPECT_FLOAT_EQ(colour[3], 0.5f);

    const PixelBox backdrop = boxOf(255, 255, 255, 0);
    EXPECT_FALSE(backdrop.empty());
    EXPECT_EQ(backdrop.count, projectedBox(0, 2, 0, 2, -30).count);
    expectBoxNear(boxOf(0, 0, 255, 0), projectedBox(4, 6, 0, 2, -4));
    expectBoxNear(boxOf(255, 128, 0, 1), projectedBox(8, 10, 0, 2, -3.99f));
    expectBoxNear(boxOf(128, 64, 0, 1), projectedBox(12, 14, 0, 2, 0));
}

TEST_F(Quads, TextureZeroIsBoundAndTheQuadStillDrawn) {
    // The default texture is incomplete, so the quad shows its plain colour.
    drawQuad(0, 0, 2, 2, 0, 0, 1, 1, 0, 0, 0, 1, 0, 1);
    readFrame();
    expectBoxNear(boxOf(0, 255, 0, 0), projectedBox(0, 2, 0, 2, 0));
}

TEST_F(Quads, ASpriteFrameIsMovedByItsOffsetNotResized) {
    const unsigned int white = solidTexture(255, 255, 255);
    drawSpriteFrame(plainQuads(), oneFrame(white, {0.1f, -0.2f, 0.001f}), 2, 1.5f, 3, 2, 0);
    readFrame();
    expectBoxNear(boxOf(255, 255, 255), projectedBox(3.1f, 5.1f, 1.8f, 3.3f, 0.001f));
}

TEST_F(Quads, ASpriteFrameShowsTheCurrentFramesTexture) {
    SpriteAnimation a = oneFrame(solidTexture(255, 0, 0), {});
    a.frameTextures.push_back(solidTexture(0, 0, 255));
    a.frameDurations.push_back(1);
    a.frameOffsets.push_back({1, 0, 0});
    a.frame = 1;
    drawSpriteFrame(plainQuads(), a, 1, 1, 0, 0, 0);
    readFrame();
    EXPECT_TRUE(boxOf(255, 0, 0, 0).empty());
    expectBoxNear(boxOf(0, 0, 255, 0), projectedBox(1, 2, 0, 1, 0));
}

TEST_F(Quads, ARotatedSpriteTurnsAboutItsCentre) {
    const unsigned int white = solidTexture(255, 255, 255);
    // A 2 x 1 quad at (5, 3): centre (6, 3.5). A quarter turn makes it 1 x 2.
    drawRotatedSpriteFrame(plainQuads(), oneFrame(white, {}), 90, 1, 5, 3, 0, 2, 1);
    GLdouble after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    readFrame();
    expectBoxNear(boxOf(255, 255, 255), projectedBox(5.5f, 6.5f, 2.5f, 4.5f, 0), 2);
    // The matrix pushed for the turn is popped again.
    EXPECT_DOUBLE_EQ(after[12], -10);
    EXPECT_DOUBLE_EQ(after[13], -4);
    EXPECT_DOUBLE_EQ(after[0], 1);
}

TEST_F(Quads, ARotatedSpriteUsesItsAlphaAndOffset) {
    const unsigned int white = solidTexture(255, 255, 255);
    drawRotatedSpriteFrame(plainQuads(), oneFrame(white, {1, 1, 0}), 0, 0.5f, 2, 2, 0, 1, 1);
    readFrame();
    expectBoxNear(boxOf(128, 128, 128, 1), projectedBox(3, 4, 3, 4, 0));
}

TEST_F(Quads, TintColoursEveryRotatedSprite) {
    tintMode = true;
    const unsigned int white = solidTexture(255, 255, 255);
    // Far behind the backdrop limit, yet the local depth is 0.
    drawRotatedSpriteFrame(plainQuads(), oneFrame(white, {}), 0, 1, 2, 2, -30, 1, 1);
    readFrame();
    EXPECT_FALSE(boxOf(255, 128, 0, 1).empty());
    EXPECT_TRUE(boxOf(255, 255, 255, 0).empty());
}
