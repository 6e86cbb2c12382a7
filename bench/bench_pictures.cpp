// SPDX-License-Identifier: MIT
// Start-up's biggest cost: decoding the 51 pictures of the texture table,
// with libpng as the game does and with the image library's own decoder it
// replaced (the texture upload after it is the same call either way).
#include <SOIL/SOIL.h>
#include <benchmark/benchmark.h>

#include <string>

#include "render/asset_paths.h"
#include "render/png_picture.h"
#include "render/texture_table.h"

namespace {

std::string pictureFile(const char* name) { return executableDirectory() + "/textures/" + name; }

void BM_DecodeTableWithLibpng(benchmark::State& state) {
    for (auto _ : state) {
        for (const TextureFile& entry : kTextureLoadOrder) {
            Picture picture;
            std::string problem;
            if (!readPng(pictureFile(entry.file), picture, problem)) state.SkipWithError("failed");
            benchmark::DoNotOptimize(picture.pixels.get());
        }
    }
}
BENCHMARK(BM_DecodeTableWithLibpng)->Unit(benchmark::kMillisecond);

void BM_DecodeTableWithImageLibrary(benchmark::State& state) {
    for (auto _ : state) {
        for (const TextureFile& entry : kTextureLoadOrder) {
            int width = 0, height = 0, channels = 0;
            unsigned char* pixels = SOIL_load_image(pictureFile(entry.file).c_str(), &width,
                                                    &height, &channels, SOIL_LOAD_AUTO);
            if (!pixels) state.SkipWithError("failed");
            benchmark::DoNotOptimize(pixels);
            SOIL_free_image_data(pixels);
        }
    }
}
BENCHMARK(BM_DecodeTableWithImageLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
