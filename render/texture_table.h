// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The 52 texture slots. Every picture is addressed by its fixed index; slot 6
// has no file, and slots 10 to 13 each hold their own copy of "CAR.png".
constexpr int kTextureCount = 52;
using TextureTable = std::array<unsigned int, kTextureCount>;

enum TextureIndex : int {
    TexMenuInitial = 0,
    TexMenuDeath = 1,
    TexBackground = 2,
    TexMoon = 3,
    TexNightSky = 4,
    TexParticles = 5,
    TexCloudA = 7,
    TexCloudB = 8,
    TexGround = 9,
    TexCar = 10,
    TexBasket = 14,
    TexBullet01 = 15,
    TexBullet02 = 16,
    TexBullet03 = 17,
    TexExplosion01 = 18,   // .. 26
    TexFireParticle01 = 27,  // .. 35
    TexRabbitIdle01 = 36,  // .. 39
    TexRabbitJump01 = 40,  // .. 44
    TexBullet04 = 45,
    TexBullet05 = 46,
    TexGrassParticle = 47,
    TexGroundParticle = 48,
    TexMenuPlayingToInitial = 49,
    TexMenuPlayingToDeath = 50,
    TexZap = 51,
};

struct TextureFile {
    int index;
    const char* file;
};

// The 51 images in the order they are loaded.
extern const std::array<TextureFile, 51> kTextureLoadOrder;
