// SPDX-License-Identifier: MIT
// Tests: the kernel reader and resampling.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "geometry/height_kernel.h"
#include "support/test_files.h"

namespace {

const char* kPeak = "0,0,0\n0,1,0\n0,0,0\n";

struct Read {
    std::vector<float> values;
    int rows = 0;
    int columns = 0;
    std::string output;
};

Read read(const std::string& content) {
    TempFile file(content);
    testing::internal::CaptureStdout();
    HeightKernel kernel(file.path);
    return {kernel.values, kernel.rows, kernel.columns, testing::internal::GetCapturedStdout()};
}

HeightKernel kernelOf(const std::string& content) {
    TempFile file(content);
    return HeightKernel(file.path);
}

using Values = std::vector<float>;

}  // namespace

TEST(HeightKernel, ReadsRowsOfCommaSeparatedValues) {
    Read r = read("1,2,3\n4,5,6\n7,8,9.5\n");
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.columns, 3);
    EXPECT_EQ(r.values, (Values{1, 2, 3, 4, 5, 6, 7, 8, 9.5f}));
    EXPECT_EQ(r.output, "");
}

TEST(HeightKernel, LineEndsSpacesAndEmptyFields) {
    Values square{1, 2, 3, 4};
    EXPECT_EQ(read("1,2\n3,4\n").values, square);      // final line feed adds no row
    EXPECT_EQ(read("1,2\n3,4").values, square);        // last line without one still counts
    EXPECT_EQ(read("1,2\r\n3,4\r\n").values, square);  // carriage returns
    EXPECT_EQ(read("1, 2\n 3,  4\n").values, square);  // spaces after commas
    EXPECT_EQ(read("1,2,\n3,4,\n").values, square);    // a final comma adds nothing
    EXPECT_EQ(read("1,2\n3,4\n").rows, 2);

    EXPECT_EQ(read("1,,3\n,5,\nx,8,9\n").values, (Values{1, 0, 3, 0, 5, 0, 0, 8, 9}));

    // A comma before the carriage return makes the return one more value 0.
    Read crComma = read("1,2,\r\n3,4,\r\n");
    EXPECT_EQ(crComma.columns, 3);
    EXPECT_EQ(crComma.values, (Values{1, 2, 0, 3, 4, 0}));
}

TEST(HeightKernel, EmptyLineIsARowOfZeros) {
    Read r = read("1,2\n\n3,4\n");
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.columns, 2);
    EXPECT_EQ(r.values, (Values{1, 2, 0, 0, 3, 4}));
}

TEST(HeightKernel, UnevenLinesAreFilledOrCutToTheFirstLine) {
    Read r = read("1,2,3\n4\n5,6,7,8\n");
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.columns, 3);
    EXPECT_EQ(r.values, (Values{1, 2, 3, 4, 0, 0, 5, 6, 7}));
}

TEST(HeightKernel, MissingEmptyOrNonRegularFileGivesFlatGround) {
    for (const std::string& content : {std::string(), std::string("\n"), std::string("\n1,2\n")}) {
        Read r = read(content);
        EXPECT_TRUE(r.values.empty());
        EXPECT_EQ(r.rows * r.columns, 0);
        EXPECT_NE(r.output.find("Mountain kernel missing or empty"), std::string::npos);
    }

    testing::internal::CaptureStdout();
    HeightKernel missing("/nonexistent/mountain1.kernel");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Mountain kernel missing or empty: /nonexistent/mountain1.kernel, the mountains "
              "stay flat\n");
    EXPECT_EQ(missing.resample(2, 3), Values(6, 0.0f));

    // A FIFO or a directory counts as missing rather than blocking the start.
    TempFifo fifo;
    for (const std::string& path : {fifo.path, tempDirectory()}) {
        testing::internal::CaptureStdout();
        HeightKernel other(path);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Mountain kernel missing or empty: " + path + ", the mountains stay flat\n");
        EXPECT_TRUE(other.values.empty());
    }
}

TEST(HeightKernel, ValuesNotFiniteOrTooLargeLeaveTheGroundFlat) {
    const std::pair<const char*, const char*> cases[] = {
        {"0,nan\n0,0\n", "value not finite"}, {"0,0\n-inf,0\n", "value not finite"},
        {"0,0\n0,1e400\n", "value not finite"}, {"1e308,0\n0,0\n", "value too large"},
        {"0,0\n0,-2e6\n", "value too large"}};
    for (const auto& [content, reason] : cases) {
        Read r = read(content);
        EXPECT_TRUE(r.values.empty()) << content;
        EXPECT_EQ(r.output.substr(0, r.output.find(':')), std::string("Mountain kernel ") + reason)
            << content;
    }
    // A file longer than any grid the game takes is refused unread (sparse here).
    TempFile huge("0,1\n");
    std::filesystem::resize_file(huge.path, (std::uintmax_t{1} << 27) + 1);
    testing::internal::CaptureStdout();
    HeightKernel refused(huge.path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Mountain kernel too large: " + huge.path + ", the mountains stay flat\n");
    EXPECT_TRUE(refused.values.empty());

    Read tall = read("0,1e6\n-1e6,0\n");
    EXPECT_EQ(tall.values, (Values{0, 1e6f, -1e6f, 0}));
    EXPECT_EQ(tall.output, "");
}

TEST(HeightKernel, ResampleTo2x2HitsTheKernelPoints) {
    EXPECT_EQ(kernelOf(kPeak).resample(2, 2), (Values{0, 0, 0, 1}));
}

TEST(HeightKernel, ResampleTo4x4InterpolatesBetweenThem) {
    Values out = kernelOf(kPeak).resample(4, 4);
    ASSERT_EQ(out.size(), 16u);
    EXPECT_FLOAT_EQ(out[1 * 4 + 1], 0.25f);
    EXPECT_FLOAT_EQ(out[2 * 4 + 2], 1.0f);
    EXPECT_FLOAT_EQ(out[3 * 4 + 3], 0.25f);
    EXPECT_FLOAT_EQ(out[2 * 4 + 3], 0.5f);
    EXPECT_FLOAT_EQ(out[3 * 4 + 2], 0.5f);
    EXPECT_FLOAT_EQ(out[1 * 4 + 2], 0.5f);
    EXPECT_FLOAT_EQ(out[0 * 4 + 2], 0.0f);
}

TEST(HeightKernel, ResampleTo1x1IsTheFirstValue) {
    EXPECT_EQ(kernelOf("7,1,1\n1,9,1\n1,1,1\n").resample(1, 1), (Values{7}));
}

TEST(HeightKernel, RowsFollowLinesAndColumnsFollowValues) {
    // 2 lines of 3 values: rows step by 1/2, columns by 2/2.
    HeightKernel kernel = kernelOf("0,0,0\n0,8,9\n");
    EXPECT_EQ(kernel.rows, 2);
    EXPECT_EQ(kernel.columns, 3);
    Values out = kernel.resample(2, 4);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_FLOAT_EQ(out[1 * 4 + 2], 4.0f);   // row 0.5, column 1
    EXPECT_FLOAT_EQ(out[1 * 4 + 3], 4.25f);  // row 0.5, column 1.5
    EXPECT_FLOAT_EQ(out[0 * 4 + 3], 0.0f);
}

TEST(HeightKernel, TinyKernelsResampleInsideTheirValues) {
    EXPECT_EQ(kernelOf("5\n").resample(3, 2), Values(6, 5.0f));
    EXPECT_EQ(kernelOf("5,6\n").resample(2, 1), (Values{5, 5}));
    // Many output points: the last ones approach the far edge without
    // leaving the grid.
    Values fine = kernelOf(kPeak).resample(1000, 7);
    ASSERT_EQ(fine.size(), 7000u);
    for (float v : fine) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
    }
    EXPECT_TRUE(kernelOf(kPeak).resample(0, 4).empty());
}
