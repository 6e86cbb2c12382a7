// SPDX-License-Identifier: MIT
#pragma once

class AirEnemy;
struct Bullet;
struct Rabbit;
class Player;

// Collision boxes: left, right, bottom, top.
struct Box {
    float left = 0;
    float right = 0;
    float bottom = 0;
    float top = 0;
};

// True when a corner of a lies strictly inside b. A box enclosing the other
// without a corner inside it does not count.
bool cornerInside(const Box& a, const Box& b);

Box playerBox(const Player& player);
Box rabbitBox(const Rabbit& rabbit);
Box enemyBox(const AirEnemy& enemy);
Box bulletBox(const Bullet& bullet, float margin);

// The play area: 15 units either side of the view centre, 10 above and below.
bool insidePlayArea(float centreX, float centreY, float x, float y);
