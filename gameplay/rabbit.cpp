// SPDX-License-Identifier: MIT
// Rabbits on the ground and their hops.
#include "gameplay/rabbit.h"

#include "gameplay/animation_kinds.h"
#include "geometry/random.h"

Rabbit::Rabbit(float x, float y, float z, const TextureTable& textures)
    : x(x), y(y), z(z) {
    hopping = 0;
    age = 0;
    width = 1 + randUnit();
    height = (0.9f + 0.2f * randUnit()) * width;
    this->y -= 0.086f * width;  // the feet sit a little below the given ground line
    insetX = 0.25f * width;
    insetY = 0.25f * height;
    idleAnimation = makeRabbitIdleAnimation(textures);
    jumpAnimation = makeRabbitHopAnimation(textures, width);
}

void Rabbit::update(float dt, float groundVelocity) {
    age += dt;
    x += dt * groundVelocity;
    if (hopping == 0) {
        if (randUnit() > 0.95f) {
            hopping = 1;
            jumpAnimation.restart();
        }
        if (hopping == 0) {
            idleAnimation.update(dt);
            return;
        }
    }
    const float leftover = jumpAnimation.update(dt);
    if (jumpAnimation.running) return;
    // Landed: the position takes over the hop's 0.7 to the left while the
    // idle animation starts again at offset 0.
    idleAnimation.restart();
    idleAnimation.update(leftover);
    hopping = 0;
    x -= 0.7f;
}
