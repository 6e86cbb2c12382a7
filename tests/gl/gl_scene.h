// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gameplay/sprite_animation.h"

// One 1280x720 GLUT window shared by all drawing tests, with the game's
// projection and its starting camera (the world moved by (-10, -4, -150)).
class GlScene : public ::testing::Test {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;

    struct Rgb {
        int r, g, b;
    };
    struct PixelBox {
        int left = 0, right = -1, bottom = 0, top = -1;  // inclusive, y from the bottom
        int count = 0;
        bool empty() const { return count == 0; }
        int width() const { return right - left + 1; }
        int height() const { return top - bottom + 1; }
    };

    // A texture of w x h RGBA texels, first row at t = 0; nearest filtering,
    // S repeating.
    static unsigned int makeTexture(int w, int h, const std::vector<std::uint8_t>& rgba);
    // A 4x4 texture filled with one colour.
    static unsigned int solidTexture(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                     std::uint8_t a = 255);

protected:
    void SetUp() override;
    void TearDown() override;

    // Reads the back buffer.
    void readFrame();
    Rgb pixel(int x, int y) const;
    // Window position of a world point under the current matrices.
    static void project(float x, float y, float z, double& px, double& py);
    // Pixels whose colour is within `tolerance` of (r, g, b) per channel.
    PixelBox boxOf(int r, int g, int b, int tolerance = 8) const;
    // Pixels that are not black.
    PixelBox boxOfLit() const;
    // A world-space rectangle at depth z, as a pixel box under the current
    // matrices.
    static PixelBox projectedBox(float xLeft, float xRight, float yBottom, float yTop, float z);

    std::vector<std::uint8_t> frame;

private:
    template <typename Keep>
    PixelBox boxWhere(Keep keep) const;
};

// Each side of a pixel box within `tolerance` pixels of the expected one.
void expectBoxNear(const GlScene::PixelBox& actual, const GlScene::PixelBox& expected,
                   int tolerance = 1);

// An animation of one frame, for drawing one texture with one offset.
SpriteAnimation oneFrame(unsigned int texture, Vec3 offset = {});
