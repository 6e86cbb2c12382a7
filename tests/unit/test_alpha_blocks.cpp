// SPDX-License-Identifier: MIT
// Tests: finding the blocks of a picture that hold any visible texel.
#include <gtest/gtest.h>

#include <vector>

#include "render/alpha_blocks.h"

namespace {
bool operator==(const TexelBox& a, const TexelBox& b) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

struct Case {
    const char* what;
    std::vector<std::pair<int, int>> visible;  // texels with alpha > 0
    std::vector<TexelBox> boxes;
};
}  // namespace

TEST(AlphaBlocks, CoverEveryVisibleTexelWithJoinedBlocks) {
    // A 40 x 20 picture in blocks of 8: 5 columns, 3 rows (the last ones cut short).
    const std::vector<Case> cases = {
        {"all transparent", {}, {}},
        {"one texel, one block", {{9, 3}}, {{8, 0, 16, 8}}},
        {"neighbouring blocks join along a row", {{7, 0}, {8, 0}}, {{0, 0, 16, 8}}},
        {"the short last column and row", {{39, 19}}, {{32, 16, 40, 20}}},
        {"equal runs join down the rows", {{3, 1}, {3, 10}, {3, 19}}, {{0, 0, 8, 20}}},
        {"unequal runs stay apart",
         {{3, 1}, {12, 1}, {3, 10}},
         {{0, 0, 16, 8}, {0, 8, 8, 16}}},
        {"a gap keeps runs apart", {{0, 0}, {20, 0}}, {{0, 0, 8, 8}, {16, 0, 24, 8}}},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> alpha(40 * 20, 0);
        for (auto [x, y] : c.visible) alpha[static_cast<size_t>(y * 40 + x)] = 1;
        const std::vector<TexelBox> boxes = blocksShowingAlpha(alpha, 40, 20, 8);
        ASSERT_EQ(boxes.size(), c.boxes.size()) << c.what;
        for (size_t i = 0; i < boxes.size(); ++i) EXPECT_TRUE(boxes[i] == c.boxes[i]) << c.what;
    }
    // A buffer shorter than the picture gives nothing rather than reading past it.
    EXPECT_TRUE(blocksShowingAlpha(std::vector<unsigned char>(10, 255), 40, 20, 8).empty());
}
