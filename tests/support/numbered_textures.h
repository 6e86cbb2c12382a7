// SPDX-License-Identifier: MIT
#pragma once

#include "render/texture_table.h"

// A texture table whose slot i holds the name 100 + i, so a test can tell
// which slot a sprite frame came from.
inline TextureTable numberedTextures() {
    TextureTable table{};
    for (int i = 0; i < kTextureCount; ++i) table[i] = static_cast<unsigned int>(100 + i);
    return table;
}

inline unsigned int slot(int index) { return static_cast<unsigned int>(100 + index); }
