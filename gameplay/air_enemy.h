// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "gameplay/bullet.h"
#include "gameplay/particle.h"
#include "gameplay/sprite_animation.h"
#include "geometry/tri_mesh.h"
#include "render/texture_table.h"

class Player;

// A balloon with a basket and a rabbit passenger that patrols the sky and
// fires at the car. Each hit draws it with the next, coarser sphere mesh.
class AirEnemy {
public:
    float x = 0;
    float y = 0;
    float z = 0;
    const std::vector<TriMesh>* meshes = nullptr;  // shared, not owned
    const TextureTable* textures = nullptr;        // shared, not owned
    SpriteAnimation animation;
    float width = 0;
    float height = 0;
    float age = 0;
    float phase = 0;
    float vx = 0;
    float maxSpeed = 0;
    float baseY = 0;
    float radius = 0;
    int hitsLeft = 0;
    int meshCount = 0;
    float turnLeftX = 0;
    float turnRightX = 0;

    AirEnemy(float x, float y, float z, const TextureTable& textures,
             const std::vector<TriMesh>& meshes, float radius, float turnLeftX,
             float turnRightX);
    virtual ~AirEnemy() = default;

    void update(float dt);
    // Appends a bullet aimed (roughly) at the car and a flash at the gun.
    void fireAt(const Player& player, std::vector<Bullet>& enemyBullets,
                std::vector<Particle>& particles) const;
};
