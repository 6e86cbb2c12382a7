#include "soak/world_checks.h"

#include <cmath>
#include <sstream>

#include "world/model_manager.h"

namespace {

// Collects the name of the first non-finite value handed to it.
struct FiniteCheck {
    std::string first;

    void operator()(const std::string& what, double value) {
        if (first.empty() && !std::isfinite(value)) {
            std::ostringstream out;
            out << what << " = " << value;
            first = out.str();
        }
    }
    void operator()(const std::string& what, const Vec3& v) {
        (*this)(what + ".x", v.x);
        (*this)(what + ".y", v.y);
        (*this)(what + ".z", v.z);
    }
};

std::string item(const char* list, std::size_t i, const char* field) {
    return std::string(list) + "[" + std::to_string(i) + "]." + field;
}

void checkAnimation(FiniteCheck& check, const std::string& what, const SpriteAnimation& a) {
    check(what + ".elapsed", a.elapsed);
    check(what + ".offset", a.offset);
}

void checkBullets(FiniteCheck& check, const char* list, const std::vector<Bullet>& bullets) {
    for (std::size_t i = 0; i < bullets.size(); ++i) {
        const Bullet& b = bullets[i];
        check(item(list, i, "x"), b.x);
        check(item(list, i, "y"), b.y);
        check(item(list, i, "z"), b.z);
        check(item(list, i, "dirX"), b.dirX);
        check(item(list, i, "dirY"), b.dirY);
        check(item(list, i, "dirZ"), b.dirZ);
        check(item(list, i, "speed"), b.speed);
        checkAnimation(check, item(list, i, "animation"), b.animation);
    }
}

// The drawing reads every vertex of both segments; so does this, which lets
// the thread checker see a segment still being built.
void checkMountains(FiniteCheck& check, const char* which, const Mountains* segment) {
    if (!segment || !segment->mesh) return;
    const std::vector<Vertex>& vertices = segment->mesh->vertices;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const Vertex& v = vertices[i];
        check(item(which, i, "x"), v.x);
        check(item(which, i, "y"), v.y);
        check(item(which, i, "z"), v.z);
        check(item(which, i, "ny"), v.ny);
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
        check(item("particles", i, "x"), q.x);
        check(item("particles", i, "y"), q.y);
        check(item("particles", i, "z"), q.z);
        check(item("particles", i, "vx"), q.vx);
        check(item("particles", i, "vy"), q.vy);
        check(item("particles", i, "vz"), q.vz);
        check(item("particles", i, "size"), q.size);
        check(item("particles", i, "age"), q.age);
        checkAnimation(check, item("particles", i, "animation"), q.animation);
    }
    for (std::size_t i = 0; i < world.rabbits.size(); ++i) {
        const Rabbit& r = world.rabbits[i];
        check(item("rabbits", i, "x"), r.x);
        check(item("rabbits", i, "y"), r.y);
        check(item("rabbits", i, "z"), r.z);
        check(item("rabbits", i, "width"), r.width);
        check(item("rabbits", i, "height"), r.height);
        checkAnimation(check, item("rabbits", i, "idleAnimation"), r.idleAnimation);
        checkAnimation(check, item("rabbits", i, "jumpAnimation"), r.jumpAnimation);
    }
    for (std::size_t i = 0; i < world.enemies.size(); ++i) {
        const AirEnemy& e = world.enemies[i];
        check(item("enemies", i, "x"), e.x);
        check(item("enemies", i, "y"), e.y);
        check(item("enemies", i, "z"), e.z);
        check(item("enemies", i, "vx"), e.vx);
        check(item("enemies", i, "baseY"), e.baseY);
        check(item("enemies", i, "age"), e.age);
        checkAnimation(check, item("enemies", i, "animation"), e.animation);
    }
    for (std::size_t i = 0; i < world.explosions.size(); ++i) {
        const Explosion& e = world.explosions[i];
        check(item("explosions", i, "x"), e.x);
        check(item("explosions", i, "y"), e.y);
        check(item("explosions", i, "z"), e.z);
        check(item("explosions", i, "size"), e.size);
        checkAnimation(check, item("explosions", i, "animation"), e.animation);
    }
    checkMountains(check, "currentMountains", world.currentMountains.get());
    checkMountains(check, "nextMountains", world.nextMountains.get());
    const auto& clouds = world.clouds->cloudList;
    for (std::size_t i = 0; i < clouds.size(); ++i) {
        const Cloud& c = *clouds[i];
        check(item("clouds", i, "x"), c.x);
        check(item("clouds", i, "y"), c.y);
        check(item("clouds", i, "z"), c.z);
        check(item("clouds", i, "width"), c.width);
        check(item("clouds", i, "speed"), c.speed);
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
