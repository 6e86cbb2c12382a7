// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// A small square grid of relative heights: the profile of one mountain,
// read from comma-separated text.
class HeightKernel {
public:
    std::vector<float> values;
    int columns = 0;
    int rows = 0;

    explicit HeightKernel(const std::string& path);
    // Bilinear resample to outRows x outColumns, row-major.
    std::vector<float> resample(int outRows, int outColumns) const;
};
