// SPDX-License-Identifier: MIT
// The particle emitters: trails, muzzle flashes, bursts and dust.
#include "gameplay/emitters.h"

#include <utility>

#include "gameplay/animation_kinds.h"
#include "gameplay/player.h"
#include "geometry/random.h"

// Every value below takes its own draw, in the order written: the order is
// part of the game's replayable sequence.

void emitBulletTrail(std::vector<Particle>& particles, const TextureTable& textures,
                     double scrollSpeed, float x, float y, float vx, float vy) {
    const Vec3 velocity{vx, vy, 0};

    const float px = x + (randUnit() * 0.02f * 2 - 0.02f);
    const float py = y + (randUnit() * 0.02f * 2 - 0.02f);
    const float lifetime = 0.1f + 0.4f * randUnit();
    const float size = 0.02f + 0.099999994f * randUnit();
    particles.emplace_back(velocity, px, py, 1.0f, true, makeFireAnimation(textures, lifetime),
                           size);
    // The first speck is already a little older, so the pair does not overlap.
    particles.back().update(0.02f, scrollSpeed);
    particles.back().spinRate = 180 + 540 * randUnit();

    const float px2 = px + (randUnit() * 0.02f * 2 - 0.02f);
    const float py2 = py + (randUnit() * 0.02f * 2 - 0.02f);
    const float lifetime2 = 0.1f + 0.4f * randUnit();
    const float size2 = 0.02f + 0.099999994f * randUnit();
    particles.emplace_back(velocity, px2, py2, 1.0f, true,
                           makeFireAnimation(textures, lifetime2), size2);
    particles.back().spinRate = 180 + 540 * randUnit();
}

void emitMuzzleFlash(std::vector<Particle>& particles, const TextureTable& textures, float x,
                     float y) {
    const float vx = 2 * randUnit() - 1;
    const float vy = 2 * randUnit() + 2.5f;
    const float lifetime = 0.9f * randUnit() + 0.6f;
    const float size = 0.3f * randUnit() + 0.3f;
    particles.emplace_back(Vec3{vx, vy, 0}, x, y, 0.0f, false,
                           makeFlashAnimation(textures, lifetime), size);
    Particle& flash = particles.back();
    flash.spinRate = 90 * randUnit() - 45;
    flash.fades = true;
    flash.fadeTime = lifetime;
}

namespace {

void emitDustSpeck(std::vector<Particle>& particles, const TextureTable& textures, float x,
                   float y) {
    const bool grass = randUnit() < 0.5f;
    const float lifetime = 0.99999994f * randUnit() + 0.3f;
    SpriteAnimation animation = grass ? makeGrassAnimation(textures, lifetime)
                                      : makeGroundAnimation(textures, lifetime);
    const float size = 0.08f * randUnit() + 0.01f;
    const float vy = 1.4f * randUnit() + 0.6f;
    const float vx = -(1.4f * randUnit() + 0.6f);
    particles.emplace_back(Vec3{vx, vy, 0}, x, y, 0.0f, false, std::move(animation), size);
}

}  // namespace

void emitWheelDust(std::vector<Particle>& particles, const TextureTable& textures,
                   const Player& player) {
    if (player.jumpPhase != 0) return;  // no dust in the air
    emitDustSpeck(particles, textures,
                  player.smallWheelSize * 0.5f + player.smallWheelX - 0.1f + player.x,
                  player.y);
    emitDustSpeck(particles, textures,
                  player.bigWheelSize * 0.5f + player.bigWheelX - 0.2f + player.x, player.y);
    particles.back().spinRate = 180 + 540 * randUnit();
}

void emitExplosionBurst(std::vector<Particle>& particles, const TextureTable& textures,
                        float cx, float cy, float size) {
    const int count = static_cast<int>(20 + 40 * randUnit());
    const float half = size / 2;
    for (int i = 0; i < count; ++i) {
        const float lifetime = 0.2f + 0.8f * randUnit();
        const float speckSize = 0.01f + 0.07f * randUnit();
        const float oy = randUnit() * 0.1f * 2 - 0.1f;
        const float ox = randUnit() * 0.1f * 2 - 0.1f;
        const float vy = 5 * randUnit();
        const float vx = randUnit() * 2.5f * 2 - 2.5f;
        particles.emplace_back(Vec3{vx, vy, 0}, (cx - half) + (ox + half),
                               (cy - half) + (oy + half), 0.0f, false,
                               makeFireAnimation(textures, lifetime), speckSize);
    }
}
