// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the kernel reader, resamples the result at the
// sizes the mountains use and a few odd ones, and builds a small segment and
// its successor from it.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input_file.h"
#include "geometry/height_kernel.h"
#include "geometry/mountains.h"
#include "render/lighting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = writeFuzzInput(data, size);

    HeightKernel kernel(path);
    for (int rows : {1, 2, 6, 10, 37}) {
        for (int columns : {1, 3, 8, 10}) {
            std::vector<float> out = kernel.resample(rows, columns);
            if (out.size() != static_cast<std::size_t>(rows * columns)) __builtin_trap();
        }
    }

    static Lighting light = [] {
        Lighting l;
        l.addLight({1.0f / 3, -2.0f / 3, -2.0f / 3}, {0.7f, 0.7f, 0.7f});
        return l;
    }();
    // A small grid still takes every footprint size (6 to 10 cells) and keeps
    // the runs fast.
    Mountains segment(&light, 12, 10, 8, 4, 4, 0.23f, 0.22f, 0.23f, path);
    segment.makeSuccessor();
    return 0;
}
