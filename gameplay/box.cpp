// SPDX-License-Identifier: MIT
// Boxes and the corner collision test.
#include "gameplay/box.h"

#include "gameplay/air_enemy.h"
#include "gameplay/bullet.h"
#include "gameplay/player.h"
#include "gameplay/rabbit.h"

namespace {
bool strictlyBetween(float low, float value, float high) { return low < value && value < high; }
}  // namespace

bool cornerInside(const Box& a, const Box& b) {
    const bool topOrBottomInside = strictlyBetween(b.bottom, a.top, b.top) ||
                                   strictlyBetween(b.bottom, a.bottom, b.top);
    return (strictlyBetween(b.left, a.left, b.right) && topOrBottomInside) ||
           (strictlyBetween(b.left, a.right, b.right) && topOrBottomInside);
}

Box playerBox(const Player& player) {
    // The jump lifts the box; the car's own y plays no part.
    const float jo = player.jumpOffset(0);
    return {player.x, player.x + player.bodyWidth, jo, jo + player.bodyHeight};
}

Box rabbitBox(const Rabbit& rabbit) {
    // Follows the drawn sprite, so a hopping rabbit's box rides its arc.
    const Vec3 o = rabbit.activeAnimation().offset;
    return {rabbit.x + o.x + rabbit.insetX, rabbit.x + o.x + rabbit.width - rabbit.insetX,
            rabbit.y + o.y + rabbit.insetY, rabbit.y + o.y + rabbit.height - rabbit.insetY};
}

Box enemyBox(const AirEnemy& enemy) {
    // The basket below the balloon.
    return {enemy.x - enemy.width / 2, enemy.x + enemy.width / 2,
            enemy.y - enemy.height / 2 - 1.5f * enemy.radius,
            enemy.y + enemy.height / 2 - 1.5f * enemy.radius};
}

Box bulletBox(const Bullet& bullet, float margin) {
    return {bullet.x - margin, bullet.x + bullet.width + margin, bullet.y - margin,
            bullet.y + bullet.height + margin};
}

bool insidePlayArea(float centreX, float centreY, float x, float y) {
    return strictlyBetween(centreX - 15, x, centreX + 15) &&
           strictlyBetween(centreY - 10, y, centreY + 10);
}
