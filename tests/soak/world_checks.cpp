// SPDX-License-Identifier: MIT
// The soak's checks on the world after every frame.
#include "soak/world_checks.h"

#include <cmath>
#include <sstream>

#include "world/model_manager.h"

namespace {

// Collects the name of the first non-finite value handed to it. Names are
// only put together for that one value: this runs over every vertex of both
// mountain segments every frame.
struct FiniteCheck {
    std::string first;

    void operator()(const char* what, double value) {
        if (first.empty() && !std::isfinite(value)) note(what, value);
    }
    void operator()(const char* what, const Vec3& v) {
        (*this)(what, v.x);
        (*this)(what, v.y);
        (*this)(what, v.z);
    }
    // Element `i` of the list `list`.
    void operator()(const char* list, std::size_t i, const char* field, double value) {
        if (first.empty() && !std::isfinite(value)) {
            note(std::string(list) + "[" + std::to_string(i) + "]." + field, value);
        }
    }
    void note(const std::string& what, double value) {
        std::ostringstream out;
        out << what << " = " << value;
        first = out.str();
    }
};

void checkAnimation(FiniteCheck& check, const char* list, std::size_t i,
                    const SpriteAnimation& a) {
    check(list, i, "animation.elapsed", a.elapsed);
    check(list, i, "animation.offset.x", a.offset.x);
    check(list, i, "animation.offset.y", a.offset.y);
    check(list, i, "animation.offset.z", a.offset.z);
}

void checkBullets(FiniteCheck& check, const char* list, const std::vector<Bullet>& bullets) {
    for (std::size_t i = 0; i < bullets.size(); ++i) {
        const Bullet& b = bullets[i];
        check(list, i, "x", b.x);
        check(list, i, "y", b.y);
        check(list, i, "z", b.z);
        check(list, i, "dirX", b.dirX);
        check(list, i, "dirY", b.dirY);
        check(list, i, "dirZ", b.dirZ);
        check(list, i, "speed", b.speed);
        checkAnimation(check, list, i, b.animation);
    }
}

// The drawing reads every vertex of both segments; so does this, which lets
// the thread checker see a segment still being built.
void checkMountains(FiniteCheck& check, const char* which, const Mountains* segment) {
    if (!segment || !segment->mesh) return;
    const std::vector<Vertex>& vertices = segment->mesh->vertices;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const Vertex& v = vertices[i];
        check(which, i, "x", v.x);
        check(which, i, "y", v.y);
        check(which, i, "z", v.z);
        check(which, i, "ny", v.ny);
    }
}

}  // namespace

std::string findNonFinite(const ModelManager& world) {
    FiniteCheck check;
    check("distance", world.distance);
    check("scrollSpeed", world.scrollSpeed);
    check("fps", world.fps);
    check("menuHue", world.menuHue);
    check("transitionProgress", world.transitionProgress);
    check("enemyLimit", world.enemyLimit);
    check("shake.offsetX", world.shake.offsetX);
    check("shake.offsetY", world.shake.offsetY);
    check("shake.offsetZ", world.shake.offsetZ);
    check("shake.amount", world.shake.amount);
    check("currentMountainsPos", world.currentMountainsPos);
    check("nextMountainsPos", world.nextMountainsPos);

    const Player& p = *world.player;
    check("player.x", p.x);
    check("player.y", p.y);
    check("player.z", p.z);
    check("player.jumpPhase", p.jumpPhase);
    check("player.turretAngle", p.turretAngle);
    check("player.health", p.health);
    check("player.shotCooldown", p.shotCooldown);
    check("player.blinkTimer", p.blinkTimer);
    check("player.smallWheelAngle", p.smallWheelAngle);
    check("player.bigWheelAngle", p.bigWheelAngle);

    checkBullets(check, "playerBullets", world.playerBullets);
    checkBullets(check, "enemyBullets", world.enemyBullets);

    for (std::size_t i = 0; i < world.particles.size(); ++i) {
        const Particle& q = world.particles[i];
        check("particles", i, "x", q.x);
        check("particles", i, "y", q.y);
        check("particles", i, "z", q.z);
        check("particles", i, "vx", q.vx);
        check("particles", i, "vy", q.vy);
        check("particles", i, "vz", q.vz);
        check("particles", i, "size", q.size);
        check("particles", i, "age", q.age);
        checkAnimation(check, "particles", i, q.animation);
    }
    for (std::size_t i = 0; i < world.rabbits.size(); ++i) {
        const Rabbit& r = world.rabbits[i];
        check("rabbits", i, "x", r.x);
        check("rabbits", i, "y", r.y);
        check("rabbits", i, "z", r.z);
        check("rabbits", i, "width", r.width);
        check("rabbits", i, "height", r.height);
        checkAnimation(check, "rabbits", i, r.idleAnimation);
        checkAnimation(check, "rabbits", i, r.jumpAnimation);
    }
    for (std::size_t i = 0; i < world.enemies.size(); ++i) {
        const AirEnemy& e = world.enemies[i];
        check("enemies", i, "x", e.x);
        check("enemies", i, "y", e.y);
        check("enemies", i, "z", e.z);
        check("enemies", i, "vx", e.vx);
        check("enemies", i, "baseY", e.baseY);
        check("enemies", i, "age", e.age);
        checkAnimation(check, "enemies", i, e.animation);
    }
    for (std::size_t i = 0; i < world.explosions.size(); ++i) {
        const Explosion& e = world.explosions[i];
        check("explosions", i, "x", e.x);
        check("explosions", i, "y", e.y);
        check("explosions", i, "z", e.z);
        check("explosions", i, "size", e.size);
        checkAnimation(check, "explosions", i, e.animation);
    }
    checkMountains(check, "currentMountains", world.currentMountains.get());
    checkMountains(check, "nextMountains", world.nextMountains.get());
    const auto& clouds = world.clouds->cloudList;
    for (std::size_t i = 0; i < clouds.size(); ++i) {
        const Cloud& c = *clouds[i];
        check("clouds", i, "x", c.x);
        check("clouds", i, "y", c.y);
        check("clouds", i, "z", c.z);
        check("clouds", i, "width", c.width);
        check("clouds", i, "speed", c.speed);
    }
    return check.first;
}

ListSizes ListSizes::of(const ModelManager& world) {
    ListSizes s;
    s.playerBullets = world.playerBullets.size();
    s.enemyBullets = world.enemyBullets.size();
    s.particles = world.particles.size();
    s.rabbits = world.rabbits.size();
    s.enemies = world.enemies.size();
    s.explosions = world.explosions.size();
    s.clouds = world.clouds->cloudList.size();
    return s;
}

void ListSizes::keepPeaks(const ListSizes& o) {
    if (o.playerBullets > playerBullets) playerBullets = o.playerBullets;
    if (o.enemyBullets > enemyBullets) enemyBullets = o.enemyBullets;
    if (o.particles > particles) particles = o.particles;
    if (o.rabbits > rabbits) rabbits = o.rabbits;
    if (o.enemies > enemies) enemies = o.enemies;
    if (o.explosions > explosions) explosions = o.explosions;
    if (o.clouds > clouds) clouds = o.clouds;
}

std::string ListSizes::describe() const {
    std::ostringstream out;
    out << "playerBullets " << playerBullets << ", enemyBullets " << enemyBullets
        << ", particles " << particles << ", rabbits " << rabbits << ", enemies " << enemies
        << ", explosions " << explosions << ", clouds " << clouds;
    return out.str();
}

// Bounds, from the game's own rates at 60 updates a second with scroll speed
// v (0.75 at start, +0.01 every second). A list that leaks passes them
// within seconds; the measured peaks sit far below.
std::string findOverfullList(const ListSizes& sizes, double scrollSpeed, float peakEnemyLimit) {
    const double v = scrollSpeed;
    // A balloon is only added while there are fewer than the limit.
    const double enemies = std::ceil(peakEnemyLimit);
    // Three shots a second at most; at 6 units a second the longest path
    // inside the 30 x 20 play area (26 units, from the car) takes 4.4 s.
    const double playerBullets = 16;
    // Each balloon fires 0.05 v times a second; a shot is gone within 6 s.
    const double enemyBullets = 8 + 0.3 * enemies * v;
    // Rabbits arrive 0.5 v a second at the right edge and the ground carries
    // them out at v across 29 units: about 15 at any speed.
    const double rabbits = 64;
    // An explosion lasts under half a second, and each ends a bullet, a
    // rabbit (0.25 v arrive in half a second) or a balloon, or is a burn.
    const double explosions = 8 + playerBullets + enemyBullets + 0.5 * v + enemies;
    // Wheel dust: 2 a frame living up to 1.3 s. Trails: 2 a frame per bullet,
    // living up to 0.5 s. Bursts: up to 60 specks per explosion, living up to
    // 1 s, so from twice the explosions alive at once. Gun flashes: up to
    // 1.5 s, one per shot.
    const double particles = 160 + 60 * (playerBullets + enemyBullets) +
                             120 * explosions + 2 * (playerBullets + enemyBullets);

    if (sizes.enemies > enemies) return "enemies over the spawn limit";
    if (sizes.playerBullets > playerBullets) return "too many player bullets";
    if (sizes.enemyBullets > enemyBullets) return "too many enemy bullets";
    if (sizes.rabbits > rabbits) return "too many rabbits";
    if (sizes.explosions > explosions) return "too many explosions";
    if (sizes.particles > particles) return "too many particles";
    if (sizes.clouds != 5) return "the cloud layer does not hold 5 clouds";
    return "";
}
