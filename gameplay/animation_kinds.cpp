// SPDX-License-Identifier: MIT
// The sprite animations each kind of object plays.
#include "gameplay/animation_kinds.h"

#include <vector>

namespace {

std::vector<unsigned int> pick(const TextureTable& textures, std::vector<int> indices) {
    std::vector<unsigned int> names;
    names.reserve(indices.size());
    for (int index : indices) names.push_back(textures[index]);
    return names;
}

SpriteAnimation singleFrame(const TextureTable& textures, int index, float lifetime) {
    return SpriteAnimation(pick(textures, {index}), {lifetime}, {}, false);
}

}  // namespace

SpriteAnimation makeExplosionAnimation(const TextureTable& textures) {
    // The first frame lasts no time but is still shown for one update.
    return SpriteAnimation(pick(textures, {18, 19, 20, 21, 22, 23, 24, 25, 26}),
                           {0.0f, 0.1f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f}, {},
                           false);
}

SpriteAnimation makeFireAnimation(const TextureTable& textures, float lifetime) {
    const float d = lifetime / 9;
    return SpriteAnimation(pick(textures, {27, 28, 29, 30, 31, 32, 33, 34, 35}),
                           {d, d, d, d, d, d, d, d, d}, {}, false);
}

SpriteAnimation makeGrassAnimation(const TextureTable& textures, float lifetime) {
    return singleFrame(textures, TexGrassParticle, lifetime);
}

SpriteAnimation makeGroundAnimation(const TextureTable& textures, float lifetime) {
    return singleFrame(textures, TexGroundParticle, lifetime);
}

SpriteAnimation makeFlashAnimation(const TextureTable& textures, float lifetime) {
    return singleFrame(textures, TexZap, lifetime);
}

SpriteAnimation makeBulletAnimation(const TextureTable& textures) {
    // Zero-length frames in random order: a different picture every update.
    return SpriteAnimation(pick(textures, {15, 16, 17, 45, 46}), {0, 0, 0, 0, 0}, {}, true);
}

SpriteAnimation makeRabbitIdleAnimation(const TextureTable& textures) {
    return SpriteAnimation(pick(textures, {36, 37, 38, 39}), {0.5f, 0.1f, 0.5f, 0.1f}, {},
                           false);
}

SpriteAnimation makeRabbitHopAnimation(const TextureTable& textures, float w) {
    // The offsets carry the drawn rabbit 0.7 left along an arc as high as the
    // rabbit is wide; the last one is where the rabbit lands.
    return SpriteAnimation(
        pick(textures, {40, 41, 42, 42, 42, 42, 43, 43, 44}),
        {0.1f, 0.4f, 0.075f, 0.075f, 0.075f, 0.075f, 0.075f, 0.075f, 0.2f},
        {{0, 0, 0},
         {0, -0.1f, 0},
         {-0.1f, 0.76f * w, 0},
         {-0.2f, 1.15f * w, 0},
         {-0.3f, 1.18f * w, 0},
         {-0.4f, 1.06f * w, 0},
         {-0.5f, 0.9f * w, 0},
         {-0.6f, 0.55f * w, 0},
         {-0.7f, -0.1f, 0}},
        false);
}
