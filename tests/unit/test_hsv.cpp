// SPDX-License-Identifier: MIT
// Tests: hue to colour.
#include <gtest/gtest.h>

#include "render/hsv.h"

namespace {
void expectRgb(Vec3 c, float r, float g, float b) {
    EXPECT_NEAR(c.x, r, 1e-5f);
    EXPECT_NEAR(c.y, g, 1e-5f);
    EXPECT_NEAR(c.z, b, 1e-5f);
}
}  // namespace

TEST(HsvToRgb, PrimaryAndSecondaryHues) {
    expectRgb(hsvToRgb(0, 1, 1), 1, 0, 0);
    expectRgb(hsvToRgb(60, 1, 1), 1, 1, 0);
    expectRgb(hsvToRgb(120, 1, 1), 0, 1, 0);
    expectRgb(hsvToRgb(180, 1, 1), 0, 1, 1);
    expectRgb(hsvToRgb(240, 1, 1), 0, 0, 1);
    expectRgb(hsvToRgb(300, 1, 1), 1, 0, 1);
    expectRgb(hsvToRgb(30, 1, 1), 1, 0.5f, 0);
}

TEST(HsvToRgb, WrapsAtTheEndOfTheCircle) {
    // Just below 360 the last sector is nearly red with a trace of blue.
    expectRgb(hsvToRgb(359.9f, 1, 1), 1, 0, 1 - 359.9f / 60 + 5);
    expectRgb(hsvToRgb(360, 1, 1), 1, 0, 0);
    expectRgb(hsvToRgb(400, 1, 1), 1, 0, 0);
}

TEST(HsvToRgb, SaturationAndValue) {
    expectRgb(hsvToRgb(200, 0, 0.4f), 0.4f, 0.4f, 0.4f);
    expectRgb(hsvToRgb(200, -1, 0.7f), 0.7f, 0.7f, 0.7f);
    expectRgb(hsvToRgb(120, 1, 0.5f), 0, 0.5f, 0);
    // Half saturation lifts the missing channels to half the value.
    expectRgb(hsvToRgb(240, 0.5f, 1), 0.5f, 0.5f, 1);
}
