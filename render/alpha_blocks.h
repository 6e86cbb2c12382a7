// SPDX-License-Identifier: MIT
// The blocks of a picture that hold any texel with alpha above zero.
#pragma once

#include <vector>

// Texels (or pixels) [x0, x1) x [y0, y1).
struct TexelBox {
    int x0, y0, x1, y1;
};

// The alpha of level 0 of the bound 2D texture, width x height values row by
// row from t = 0.
std::vector<unsigned char> boundTextureAlpha(int width, int height);

// Boxes covering every texel of alpha > 0 in `alpha` (width x height values,
// row by row): the picture cut into `block`-sized squares, the squares
// holding such a texel joined into runs along each row of squares, and a run
// joined with the same run in the row of squares before it. The boxes do not
// overlap.
std::vector<TexelBox> blocksShowingAlpha(const std::vector<unsigned char>& alpha, int width,
                                         int height, int block);
