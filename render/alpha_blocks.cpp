// SPDX-License-Identifier: MIT
// Finding the blocks of a picture that are not wholly transparent.
#include "render/alpha_blocks.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>

std::vector<unsigned char> boundTextureAlpha(int width, int height) {
    std::vector<unsigned char> alpha(static_cast<std::size_t>(width) *
                                     static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
    return alpha;
}

std::vector<TexelBox> blocksShowingAlpha(const std::vector<unsigned char>& alpha, int width,
                                         int height, int block) {
    std::vector<TexelBox> boxes;
    if (width <= 0 || height <= 0 || block <= 0 ||
        alpha.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return boxes;
    const int columns = (width + block - 1) / block;
    std::vector<TexelBox> open;  // runs of the row of squares before
    for (int y0 = 0; y0 < height; y0 += block) {
        const int y1 = std::min(height, y0 + block);
        std::vector<char> shows(static_cast<std::size_t>(columns), 0);
        for (int y = y0; y < y1; ++y) {
            const unsigned char* row = &alpha[static_cast<std::size_t>(y) * width];
            for (int x = 0; x < width; ++x)
                if (row[x] != 0) shows[static_cast<std::size_t>(x / block)] = 1;
        }
        std::vector<TexelBox> runs;
        for (int c = 0; c < columns; ++c) {
            if (!shows[static_cast<std::size_t>(c)]) continue;
            const int x0 = c * block, x1 = std::min(width, x0 + block);
            if (!runs.empty() && runs.back().x1 == x0) runs.back().x1 = x1;
            else runs.push_back({x0, y0, x1, y1});
        }
        for (TexelBox& run : runs) {
            const auto before = std::find_if(open.begin(), open.end(), [&](const TexelBox& b) {
                return b.x0 == run.x0 && b.x1 == run.x1;
            });
            if (before == open.end()) continue;
            run.y0 = before->y0;
            open.erase(before);
        }
        boxes.insert(boxes.end(), open.begin(), open.end());
        open = std::move(runs);
    }
    boxes.insert(boxes.end(), open.begin(), open.end());
    return boxes;
}
