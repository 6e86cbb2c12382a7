// SPDX-License-Identifier: MIT
// One particle's flight, drag and fade.
#include "gameplay/particle.h"

#include <algorithm>
#include <utility>

Particle::Particle(Vec3 velocity, float x, float y, float drag, bool noGravity,
                   SpriteAnimation animation, float size)
    : vx(velocity.x),
      vy(velocity.y),
      vz(velocity.z),
      x(x),
      y(y),
      animation(std::move(animation)),
      size(size),
      drag(drag),
      noGravity(noGravity) {}

void Particle::update(float dt, double scrollSpeed) {
    age += dt;
    animation.update(dt);
    x += vx * dt;
    y += vy * dt;
    z += vz * dt;
    if (!noGravity) vy -= 9 * dt;
    if (drag > 0.00001f) {
        // Sideways motion relaxes towards the scrolling ground, the rest
        // towards rest.
        const float e = std::min(drag * dt, 1.0f);
        vx = static_cast<float>((1 - e) * vx + e * -scrollSpeed * dt);
        vy = (1 - e) * vy;
        vz = (1 - e) * vz;
    }
    if (!animation.running) dead = true;
}
