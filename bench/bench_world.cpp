// SPDX-License-Identifier: MIT
// One world update pass over a busy scene of play: 3 balloons, 10 rabbits,
// 20 bullets, 1,000 particles and 10 explosions. The target is well under
// 0.1 ms, a small share of a 1/60 s frame.
#include <benchmark/benchmark.h>

#include <chrono>

#include "gameplay/animation_kinds.h"
#include "geometry/random.h"
#include "support/test_world.h"

namespace {

struct Scene {
    std::vector<AirEnemy> enemies;
    std::vector<Rabbit> rabbits;
    std::vector<Bullet> playerBullets;
    std::vector<Bullet> enemyBullets;
    std::vector<Particle> particles;
    std::vector<Explosion> explosions;
};

// Everything inside the play area and clear of the car, so the pass does
// all its movement and every collision test without ending the scene.
Scene busyScene(ModelManager& w) {
    Scene s;
    const float balloons[3][2] = {{6, 8}, {12, 7}, {18, 9}};
    for (const auto& b : balloons) {
        s.enemies.emplace_back(b[0], b[1], 0.03f, w.textures, w.sphereMeshes, 0.5f, 1.0f, 19.0f);
    }
    for (int i = 0; i < 10; ++i) s.rabbits.emplace_back(4.0f + 2 * i, -0.01f, 0.01f, w.textures);
    for (int i = 0; i < 10; ++i) {
        s.playerBullets.emplace_back(45.0f, 3.0f + 1.5f * i, 3.0f, 0.05f, w.textures);
        s.enemyBullets.emplace_back(225.0f, 4.0f + 1.5f * i, 12.0f, 0.05f, w.textures);
    }
    for (int i = 0; i < 1000; ++i) {
        const float x = -4 + 28 * randUnit();
        const float y = 12 * randUnit();
        s.particles.emplace_back(Vec3{randUnit() - 0.5f, randUnit(), 0}, x, y, (i % 2) * 1.0f,
                                 i % 2 == 1, makeFireAnimation(w.textures, 5.0f), 0.05f);
    }
    for (int i = 0; i < 10; ++i) {
        s.explosions.push_back(
            createExplosion(2, 2.0f + 2 * i, 6, s.particles, w.textures, w.shake));
    }
    s.particles.resize(1000, s.particles.front());
    return s;
}

void load(ModelManager& w, const Scene& s) {
    w.enemies = s.enemies;
    w.rabbits = s.rabbits;
    w.playerBullets = s.playerBullets;
    w.enemyBullets = s.enemyBullets;
    w.particles = s.particles;
    w.explosions = s.explosions;
}

void BM_UpdateWorldBusyScene(benchmark::State& state) {
    TestWorld tw;
    ModelManager& w = *tw.world;
    w.gameState = Playing;
    const Scene scene = busyScene(w);
    for (auto _ : state) {
        load(w, scene);
        w.player->reset();
        w.score = 0;
        const auto start = std::chrono::steady_clock::now();
        w.updateWorld(1.0f / 60, 1, true);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(w.particles.data());
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["particles"] = static_cast<double>(w.particles.size());
}
BENCHMARK(BM_UpdateWorldBusyScene)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
