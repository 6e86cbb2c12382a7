// SPDX-License-Identifier: MIT
// Explosions: the animation, the burst and the shake they bring.
#include "gameplay/explosion.h"

#include "gameplay/animation_kinds.h"
#include "gameplay/emitters.h"
#include "world/screen_shake.h"

Explosion createExplosion(float size, float cx, float cy, std::vector<Particle>& particles,
                          const TextureTable& textures, ScreenShake& shake) {
    shake.raiseTo(0.2f * size);
    Explosion explosion;
    explosion.z = 5;
    explosion.x = cx - 0.5f * size;
    explosion.y = cy - 0.5f * size;
    explosion.finished = false;
    explosion.size = size;
    explosion.animation = makeExplosionAnimation(textures);
    emitExplosionBurst(particles, textures, cx, cy, size);
    return explosion;
}
