// SPDX-License-Identifier: MIT
// Tests: the 1280 x 720 picture fitted to windows of other sizes.
#include <gtest/gtest.h>

#include "render/scaled_frame.h"

TEST(FitPicture, LargestCentredSixteenByNineRectangle) {
    struct Case {
        int windowWidth, windowHeight;
        PictureRect expected;
    };
    const Case cases[] = {
        {1280, 720, {0, 0, 1280, 720}},      // the window as it always was
        {1920, 1080, {0, 0, 1920, 1080}},    // a 16:9 screen: no bars
        {2560, 1440, {0, 0, 2560, 1440}},    // a desktop at 200%
        {2560, 1080, {320, 0, 1920, 1080}},  // wider: bars left and right
        {1920, 1200, {0, 60, 1920, 1080}},   // 16:10: bars above and below
        {1280, 1024, {0, 152, 1280, 720}},   // 5:4
        {1366, 768, {0, 0, 1366, 768}},      // not quite 16:9: filled, as near as pixels go
    };
    for (const Case& c : cases) {
        const PictureRect r = fitPicture(c.windowWidth, c.windowHeight);
        EXPECT_EQ(r.x, c.expected.x) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(r.y, c.expected.y) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(r.width, c.expected.width) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(r.height, c.expected.height) << c.windowWidth << "x" << c.windowHeight;
    }
}
