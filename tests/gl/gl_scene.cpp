// SPDX-License-Identifier: MIT
// The drawing tests' fixture: a cleared window, test textures and pixel boxes read back.
#include "gl_scene.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/hidden_modes.h"
#include "support/gl_window.h"

void GlScene::SetUp() {
    ensureGlWindow();
    tintMode = false;
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double h = 100 * std::tan(0.04363323125);
    glFrustum(-h * 1.7777777910232544, h * 1.7777777910232544, -h, h, 100, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-10, -4, -150);

    // What the display routine and the scene drawing set up.
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void GlScene::TearDown() {
    tintMode = false;
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

unsigned int GlScene::makeTexture(int w, int h, const std::vector<std::uint8_t>& rgba) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

unsigned int GlScene::solidTexture(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                   std::uint8_t a) {
    std::vector<std::uint8_t> texels;
    for (int i = 0; i < 16; ++i) texels.insert(texels.end(), {r, g, b, a});
    return makeTexture(4, 4, texels);
}

void GlScene::readFrame() {
    glFinish();
    frame.assign(static_cast<size_t>(kWidth * kHeight * 3), 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
}

GlScene::Rgb GlScene::pixel(int x, int y) const {
    const size_t i = static_cast<size_t>((y * kWidth + x) * 3);
    return {frame[i], frame[i + 1], frame[i + 2]};
}

void GlScene::project(float x, float y, float z, double& px, double& py) {
    GLdouble model[16], proj[16];
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    double pz = 0;
    gluProject(x, y, z, model, proj, view, &px, &py, &pz);
}

template <typename Keep>
GlScene::PixelBox GlScene::boxWhere(Keep keep) const {
    PixelBox box;
    box.left = kWidth;
    box.bottom = kHeight;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!keep(pixel(x, y))) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::min(box.bottom, y);
            box.top = std::max(box.top, y);
            ++box.count;
        }
    }
    return box;
}

GlScene::PixelBox GlScene::boxOf(int r, int g, int b, int tolerance) const {
    return boxWhere([&](Rgb p) {
        return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance &&
               std::abs(p.b - b) <= tolerance;
    });
}

GlScene::PixelBox GlScene::boxOfLit() const {
    return boxWhere([](Rgb p) { return p.r + p.g + p.b > 0; });
}

GlScene::PixelBox GlScene::projectedBox(float xLeft, float xRight, float yBottom, float yTop,
                                        float z) {
    double x0, y0, x1, y1;
    project(xLeft, yBottom, z, x0, y0);
    project(xRight, yTop, z, x1, y1);
    PixelBox box;
    box.left = static_cast<int>(std::lround(std::min(x0, x1)));
    box.right = static_cast<int>(std::lround(std::max(x0, x1))) - 1;
    box.bottom = static_cast<int>(std::lround(std::min(y0, y1)));
    box.top = static_cast<int>(std::lround(std::max(y0, y1))) - 1;
    box.count = box.width() * box.height();
    return box;
}

void expectBoxNear(const GlScene::PixelBox& actual, const GlScene::PixelBox& expected,
                   int tolerance) {
    ASSERT_FALSE(actual.empty());
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.right, expected.right, tolerance);
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
}

SpriteAnimation oneFrame(unsigned int texture, Vec3 offset) {
    SpriteAnimation a;
    a.frameTextures = {texture};
    a.frameDurations = {1};
    a.frameOffsets = {offset};
    return a;
}
