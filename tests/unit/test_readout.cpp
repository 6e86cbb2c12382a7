// SPDX-License-Identifier: MIT
// Tests: the console read-out.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/readout.h"
#include "support/test_files.h"

namespace {
std::vector<std::string> readoutLines(float fps, int score, int best = 0) {
    TempFile file("");
    std::FILE* out = std::fopen(file.path.c_str(), "wb");
    writeReadout(out, fps, score, best);
    std::fclose(out);
    std::ifstream in(file.path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
}  // namespace

TEST(Readout, HelpBoxIsTwentyOneLinesOfFortyThreeCharactersAndASpace) {
    const auto lines = readoutLines(60, 0);
    ASSERT_EQ(lines.size(), 1u + 21 + 3);
    EXPECT_EQ(lines[0], "");
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(lines[i].size(), 44u) << lines[i];
        EXPECT_EQ(lines[i].back(), ' ');
    }
    EXPECT_EQ(lines[1], "+------------- KEYBOARD KEYS -------------+ ");
    EXPECT_EQ(lines[4], "|  MOVEMENT CONTROLS       /\\ Esc \\       | ");
    EXPECT_EQ(lines[10], "| /\\  A  \\____/\\  D  \\    /\\  K  \\  L  \\  | ");
    EXPECT_EQ(lines[21], "+-----------------------------------------+ ");
}

TEST(Readout, FiguresAndTheBestScore) {
    const auto lines = readoutLines(60, 17, 57);
    EXPECT_EQ(lines[22], "+ Fps:   60.000000 ");
    EXPECT_EQ(lines[23], "+ Score: 17 ");
    EXPECT_EQ(lines[24], "+ Best: 57 ");
    EXPECT_EQ(readoutLines(50, 0)[22], "+ Fps:   50.000000 ");
}
