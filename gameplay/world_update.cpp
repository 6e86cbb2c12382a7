// SPDX-License-Identifier: MIT
// The world update pass: spawning, movement, collisions, score and death.
#include <cstddef>
#include <vector>

#include "app/hidden_modes.h"
#include "gameplay/box.h"
#include "gameplay/emitters.h"
#include "geometry/random.h"
#include "world/model_manager.h"

namespace {

// Visits every element in order and drops those for which `step` returns
// false, keeping the order of the rest and skipping none.
template <typename T, typename Step>
void updateAndKeep(std::vector<T>& items, Step step) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!step(items[i])) continue;
        if (kept != i) items[kept] = std::move(items[i]);
        ++kept;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
}

template <typename T>
void removeAt(std::vector<T>& items, std::size_t index) {
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
}

// Hits, kills and strikes all end in an explosion of side 1 to 3.
float randomBlastSize() { return 1 + 2 * randUnit(); }

float rabbitCentreX(const Rabbit& rabbit) {
    return rabbit.x + rabbit.activeAnimation().offset.x + rabbit.width / 2;
}

float rabbitCentreY(const Rabbit& rabbit) {
    return rabbit.y + rabbit.activeAnimation().offset.y + rabbit.height / 2;
}

// The basket, where a hit balloon blows up.
float blastX(const AirEnemy& enemy) {
    return enemy.x - (enemy.width / 2) * enemy.radius + enemy.width / 2;
}

float blastY(const AirEnemy& enemy) {
    return enemy.y - ((enemy.height / 2) * enemy.radius + 2.2f * enemy.radius) +
           enemy.height / 2;
}

// The car flashes and loses health, except in the free-camera mode.
void hitPlayer(Player& player) {
    if (freeCameraMode) return;
    player.blinkTimer = 0.3f;
    player.blinkOn = false;
    player.health -= 10;
}

void losePoint(int& score) {
    if (score > 0) score -= 1;
}

}  // namespace

void ModelManager::updateWorld(float dt, float factor, bool playing) {
    const float cx = -viewOffset.x;
    const float cy = -viewOffset.y;
    auto inside = [cx, cy](float x, float y) { return insidePlayArea(cx, cy, x, y); };

    // Spawning.
    if (playing) {
        emitWheelDust(particles, textures, *player);
        if (randUnit() < dt * scrollSpeed * 0.5) {
            rabbits.emplace_back(cx + 14, -0.01f, 0.01f, textures);
        }
        enemyLimit += dt * 0.005f;
        if (enemyLimit > static_cast<float>(enemies.size()) &&
            randUnit() < dt * scrollSpeed * 0.2) {
            const float y = 4 + 5 * randUnit();
            enemies.emplace_back(cx + 14, y, 0.03f, textures, sphereMeshes, 0.5f, 1.0f, 19.0f);
        }
    }

    updateAndKeep(particles, [&](Particle& p) {
        p.update(dt, scrollSpeed);
        return !p.dead;
    });

    updateAndKeep(explosions, [&](Explosion& e) {
        e.x = static_cast<float>(e.x - scrollSpeed * dt);  // drifts with the ground
        e.animation.update(dt);
        e.finished = !e.animation.running;
        return !e.finished;
    });

    const float groundVelocity = static_cast<float>(-scrollSpeed);
    updateAndKeep(rabbits, [&](Rabbit& r) {
        const int wasHopping = r.hopping;
        r.update(dt, groundVelocity);
        // Quiet, but heard in every state: the rabbits never stop.
        if (!wasHopping && r.hopping) cue(CueKind::RabbitHop, r.x, 0.5f);
        return inside(r.x, r.y);
    });

    updateAndKeep(enemies, [&](AirEnemy& e) {
        e.update(dt);
        if (!inside(e.x, e.y)) return false;
        if (playing) {
            const double p = dt * 0.05 * scrollSpeed;
            if (randUnit() < p) {
                e.fireAt(*player, enemyBullets, particles);
                cue(CueKind::EnemyShot, e.x);
            } else {
                e.x = static_cast<float>(e.x - dt * scrollSpeed * factor * 0.1);
            }
        }
        return true;
    });

    auto moveBullet = [&](Bullet& b) {
        b.x += b.dirX * b.speed * dt;
        b.y += b.dirY * b.speed * dt;
        b.z += b.dirZ * b.speed * dt;
        b.animation.update(dt);
        const float dx = b.dirX;
        const float dy = b.dirY;
        emitBulletTrail(particles, textures, scrollSpeed, b.x + 0.4f * dx - 0.23f * dy,
                        b.y + 0.4f * dy + 0.23f * dx, -dx, -dy);
        return inside(b.x, b.y);
    };
    updateAndKeep(playerBullets, moveBullet);
    updateAndKeep(enemyBullets, moveBullet);

    if (!playing) return;

    // The player and the collisions.
    const bool airborne = player->jumpPhase > 0;
    player->update(static_cast<float>(distance), dt);
    if (airborne && player->jumpPhase == 0) cue(CueKind::Land, player->x + player->bodyWidth / 2);
    const Box carBox = playerBox(*player);

    for (std::size_t i = 0; i < rabbits.size();) {
        const Rabbit& rabbit = rabbits[i];
        if (!cornerInside(rabbitBox(rabbit), carBox)) {
            ++i;
            continue;
        }
        const float size = randomBlastSize();
        addExplosion(size, rabbitCentreX(rabbit), rabbitCentreY(rabbit), CueKind::PlayerHit);
        removeAt(rabbits, i);
        hitPlayer(*player);
        losePoint(score);
    }

    for (std::size_t i = 0; i < enemies.size();) {
        const AirEnemy& enemy = enemies[i];
        if (!cornerInside(enemyBox(enemy), carBox)) {
            ++i;
            continue;
        }
        const float size = randomBlastSize();
        addExplosion(size, blastX(enemy), blastY(enemy), CueKind::PlayerHit);
        removeAt(enemies, i);
        hitPlayer(*player);
        hitPlayer(*player);
        losePoint(score);
    }

    // Bullets of the two sides shoot each other down.
    for (std::size_t i = 0; i < playerBullets.size();) {
        const Box shot = bulletBox(playerBullets[i], 0);
        bool struck = false;
        for (std::size_t j = 0; j < enemyBullets.size(); ++j) {
            const Bullet& other = enemyBullets[j];
            if (!cornerInside(bulletBox(other, 0), shot)) continue;
            const float size = randomBlastSize();
            addExplosion(size, other.x + other.width / 2, other.y + other.height / 2,
                         CueKind::BulletsCollide);
            removeAt(enemyBullets, j);
            removeAt(playerBullets, i);
            struck = true;
            break;
        }
        if (!struck) ++i;
    }

    resolveBulletHits(0.5f, playerBullets, false);
    resolveBulletHits(0, enemyBullets, true);

    if (player->health / player->maxHealth <= 0) {
        switchState(Dying);
    }
}

void ModelManager::resolveBulletHits(float margin, std::vector<Bullet>& bullets,
                                     bool fromEnemy) {
    for (std::size_t i = 0; i < bullets.size();) {
        const Bullet& bullet = bullets[i];
        const Box shot = bulletBox(bullet, margin);

        if (bullet.y - margin < 0) {
            const float size = randomBlastSize();
            addExplosion(size, bullet.x + bullet.width + margin, 0, CueKind::GroundHit);
            removeAt(bullets, i);
            continue;
        }

        if (fromEnemy && cornerInside(shot, playerBox(*player))) {
            const float size = randomBlastSize();
            const float jo = player->jumpOffset(0);
            addExplosion(size, player->x + player->bodyWidth / 2, jo + player->bodyHeight / 2,
                         CueKind::PlayerHit);
            removeAt(bullets, i);
            hitPlayer(*player);
            losePoint(score);
            continue;
        }

        bool spent = false;
        for (std::size_t k = 0; k < rabbits.size(); ++k) {
            const Rabbit& rabbit = rabbits[k];
            if (!cornerInside(shot, rabbitBox(rabbit))) continue;
            const float size = randomBlastSize();
            addExplosion(size, rabbitCentreX(rabbit), rabbitCentreY(rabbit), CueKind::RabbitHit);
            removeAt(bullets, i);
            removeAt(rabbits, k);
            score += 1;
            spent = true;
            break;
        }
        if (spent) continue;

        for (std::size_t k = 0; k < enemies.size(); ++k) {
            AirEnemy& enemy = enemies[k];
            if (!cornerInside(shot, enemyBox(enemy))) continue;
            enemy.hitsLeft -= 1;
            removeAt(bullets, i);
            const float bx = blastX(enemy);
            const float by = blastY(enemy);
            const bool destroyed = enemy.hitsLeft <= 0;
            if (destroyed) {
                removeAt(enemies, k);
                score += 4;
            }
            // A destroyed balloon goes up in an explosion twice the size.
            const float size = randomBlastSize() * (destroyed ? 2.0f : 1.0f);
            addExplosion(size, bx, by,
                         destroyed ? CueKind::BalloonDestroyed : CueKind::BalloonHit);
            spent = true;
            break;
        }
        if (!spent) ++i;
    }
}

void ModelManager::shoot(unsigned int action) {
    if (action == Fire && player->shotCooldown <= 0) {
        const float jo = player->jumpOffset(0);
        const float gunX = player->x + player->turretPivotX;
        const float gunY = player->y + player->turretPivotY + jo;
        playerBullets.emplace_back(player->turretAngle, gunX, gunY, 0.05f, textures);
        emitMuzzleFlash(particles, textures, gunX + 0.2f, gunY);
        player->shotCooldown = 1.0f / player->fireRate;
        cue(CueKind::PlayerShot, gunX);
    }
    player->act(action);
}

void ModelManager::act(unsigned int action) {
    const float angle = player->turretAngle;
    const bool grounded = player->jumpPhase == 0;
    player->act(action);
    const float centre = player->x + player->bodyWidth / 2;
    if (player->turretAngle != angle) cue(CueKind::TurretTurn, centre);
    if (grounded && player->jumpPhase != 0) cue(CueKind::Jump, centre);
}

// Only the burning car calls this, with explosions at random points of it.
void ModelManager::spawnExplosion(float x, float y, float k) {
    addExplosion(randomBlastSize() * k, x, y, CueKind::CarBurn);
}

void ModelManager::addExplosion(float size, float cx, float cy, CueKind kind) {
    explosions.push_back(createExplosion(size, cx, cy, particles, textures, shake));
    cue(kind, cx, size);
}

void ModelManager::cue(CueKind kind, float x, float strength) {
    // Nobody takes them in a headless run: keep the newest only.
    if (cues.size() >= kMaxPendingCues) cues.erase(cues.begin());
    cues.push_back({kind, x, strength});
}
