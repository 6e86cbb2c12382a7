// SPDX-License-Identifier: MIT
// The browser's WebGL 2 layer keeps OpenGL's matrices itself: column-major,
// each call multiplying on the right, as OpenGL specifies.
#ifdef __EMSCRIPTEN__
#include <gtest/gtest.h>

#include "platform/web_gl2_matrix.h"

namespace {
// The point (x, y, z, 1) taken through m.
std::array<float, 4> through(const Mat4& m, float x, float y, float z) {
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}
}  // namespace

TEST(WebGl2Matrix, TranslateThenRotateTurnsAboutTheMovedOrigin) {
    Mat4 m = identityMatrix();
    translateMatrix(m, 10, 4, 0);
    rotateMatrix(m, 90, 0, 0, 1);
    const auto p = through(m, 1, 0, 0);
    EXPECT_NEAR(p[0], 10, 1e-6);
    EXPECT_NEAR(p[1], 5, 1e-6);
    EXPECT_EQ(m[10], 1.0f);  // a turn about z leaves z exactly as it was
}

TEST(WebGl2Matrix, FrustumMapsTheNearAndFarPlanesToTheDepthRange) {
    const Mat4 f = frustumMatrix(-2, 2, -1, 1, 100, 200);
    const auto nearCorner = through(f, 2, 1, -100);
    EXPECT_NEAR(nearCorner[0] / nearCorner[3], 1, 1e-6);
    EXPECT_NEAR(nearCorner[2] / nearCorner[3], -1, 1e-5);
    const auto far = through(f, 0, 0, -200);
    EXPECT_NEAR(far[2] / far[3], 1, 1e-5);
    const auto corner = through(orthoMatrix(0, 1280, 720, 0, -10, 10), 1280, 0, 0);
    EXPECT_NEAR(corner[0], 1, 1e-6);
    EXPECT_NEAR(corner[1], 1, 1e-6);
}

TEST(WebGl2Matrix, StacksPushPopAndRefuseToPopTheirLast) {
    MatrixStacks stacks;
    stacks.select(0x1701);  // GL_PROJECTION
    stacks.push();
    scaleMatrix(stacks.top(), 2, 2, 2);
    stacks.changed();
    EXPECT_EQ(stacks.modelViewProjection()[0], 2);
    stacks.pop();
    stacks.pop();
    EXPECT_EQ(stacks.of(0x1701), identityMatrix());
    EXPECT_EQ(stacks.modelViewProjection()[0], 1);
}
#endif
