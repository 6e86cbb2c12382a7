// SPDX-License-Identifier: MIT
// Drawing tests: the window, its size and the texture table.
#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <SOIL/SOIL.h>

#include <chrono>
#include <cmath>
#include <set>
#include <thread>
#include <vector>

#include "app/camera.h"
#include "render/asset_paths.h"
#include "render/texture_loader.h"
#include "support/gl_window.h"
#include "world/model_manager.h"

namespace {
// Lets the toolkit and the X server trade resize requests and reports until
// the window has the size we hope for, or a second has passed.
void pumpEventsUntil(int width, int height) {
    for (int i = 0; i < 100; ++i) {
        glutMainLoopEvent();
        if (i > 5 && glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// What a texture holds: its size, format and every texel, as RGBA bytes.
struct TextureContent {
    GLint width = 0, height = 0, format = 0;
    std::vector<unsigned char> texels;
    bool operator==(const TextureContent& o) const {
        return width == o.width && height == o.height && format == o.format && texels == o.texels;
    }
};

TextureContent readBack(unsigned int name) {
    TextureContent c;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &c.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &c.height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &c.format);
    c.texels.resize(static_cast<size_t>(c.width) * c.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, c.texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return c;
}
}  // namespace

TEST(Projection, ReshapeSetsTheNarrowFrustum) {
    ensureGlWindow();
    reshapeCallback(1280, 720);
    double p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    const double h = 100 * std::tan(0.04363323125);
    EXPECT_NEAR(h, 4.366094285855878, 1e-12);
    // OpenGL keeps the matrix in single precision.
    EXPECT_NEAR(p[0], 100 / (h * 1.7777777910232544), 1e-5);
    EXPECT_NEAR(p[5], 100 / h, 1e-5);
    EXPECT_NEAR(p[10], -3, 1e-6);   // -(far + near) / (far - near)
    EXPECT_NEAR(p[14], -400, 1e-4); // -2 far near / (far - near)
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1280);
    EXPECT_EQ(viewport[3], 720);
}

TEST(Projection, AnyOtherSizeSnapsBackTo1280By720) {
    ensureGlWindow();
    glutReshapeFunc(reshapeCallback);
    for (auto size : {std::pair{640, 480}, std::pair{1920, 1080}, std::pair{1, 1}}) {
        glutReshapeWindow(size.first, size.second);
        pumpEventsUntil(1280, 720);
        EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 1280);
        EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 720);
    }
    glutReshapeFunc(nullptr);
}

TEST(Textures, FourCarCopiesGetDistinctNamesAndAMissingImageStaysZero) {
    ensureGlWindow();
    testing::internal::CaptureStdout();
    ModelManager world(loadTextureWithSoil, GameClock::steady());
    const std::string out = testing::internal::GetCapturedStdout();
    std::set<unsigned int> cars(world.textures.begin() + 10, world.textures.begin() + 14);
    EXPECT_EQ(cars.size(), 4u);
    EXPECT_EQ(cars.count(0u), 0u);
    EXPECT_EQ(world.textures[6], 0u);
    EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;

    // S repeats, T is clamped to its edge, filtering is linear.
    GLint wrapS = 0, wrapT = 0, minFilter = 0;
    glBindTexture(GL_TEXTURE_2D, world.textures[TexGround]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(wrapS, GL_REPEAT);
    EXPECT_EQ(wrapT, GL_CLAMP_TO_EDGE);
    EXPECT_EQ(minFilter, GL_LINEAR);

    testing::internal::CaptureStdout();
    world.loadTexture(9, "/nonexistent/GROUND.png", loadTextureWithSoil);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR: Could not load Texture Index 9 \n"
              "Picture /nonexistent/GROUND.png not loaded: No such file or directory\n");
    EXPECT_EQ(world.textures[9], 0u);
}

// libpng decodes the shipped pictures exactly as the image library's own
// decoder does: same size, format and texels, flipped the same way.
TEST(Textures, EveryPictureMatchesTheImageLibrarysOwnDecode) {
    ensureGlWindow();
    std::set<std::string> files;
    for (const TextureFile& entry : kTextureLoadOrder) files.insert(entry.file);
    ASSERT_EQ(files.size(), 48u);
    for (const std::string& file : files) {
        const std::string path = executableDirectory() + "/textures/" + file;
        std::string problem;
        const unsigned int ours = loadTextureWithSoil(path, problem);
        const unsigned int theirs = SOIL_load_OGL_texture(path.c_str(), SOIL_LOAD_AUTO,
                                                          SOIL_CREATE_NEW_ID, SOIL_FLAG_INVERT_Y);
        ASSERT_NE(ours, 0u) << file << ": " << problem;
        ASSERT_NE(theirs, 0u) << file;
        const TextureContent a = readBack(ours), b = readBack(theirs);
        EXPECT_GT(a.width * a.height, 0) << file;
        EXPECT_TRUE(a == b) << file;
        GLint magFilter = 0;
        glBindTexture(GL_TEXTURE_2D, ours);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        glBindTexture(GL_TEXTURE_2D, 0);
        EXPECT_EQ(magFilter, GL_LINEAR) << file;
        glDeleteTextures(1, &ours);
        glDeleteTextures(1, &theirs);
    }
}
