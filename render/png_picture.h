// SPDX-License-Identifier: MIT
// Decodes PNG pictures with libpng, refusing anything hostile.
#pragma once

#include <memory>
#include <string>

// A picture is refused when a side is longer than this.
constexpr unsigned int kLargestPictureSide = 16384;

// 8 bits a channel, rows from the top, no padding between rows.
struct Picture {
    int width = 0;
    int height = 0;
    // 1 grey, 2 grey and alpha, 3 RGB, 4 RGBA: as the file holds it, with
    // palettes expanded and a transparent colour turned into alpha.
    int channels = 0;
    std::unique_ptr<unsigned char[]> pixels;
};

// Reads a PNG file (any bit depth, palette or interlacing). On failure the
// result is false and `problem` holds the reason.
bool readPng(const std::string& path, Picture& picture, std::string& problem);
