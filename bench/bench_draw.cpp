// One frame of a busy scene (3 balloons, 10 rabbits, 20 bullets, 1,000
// particles, 10 explosions) drawn with the game's real pictures. Needs an X
// display (run under Xvfb); reports the median of the repetitions.
#include <benchmark/benchmark.h>

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "gameplay/animation_kinds.h"
#include "world/model_manager.h"

namespace {
void openWindow() {
    static bool open = false;
    if (open) return;
    int argc = 1;
    char name[] = "bench_draw";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1280, 720);
    glutCreateWindow("Krellwick bench");
    glutDisplayFunc([] {});
    glViewport(0, 0, 1280, 720);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double h = 100 * std::tan(0.04363323125);
    glFrustum(-h * 1.7777777910232544, h * 1.7777777910232544, -h, h, 100, 200);
    glMatrixMode(GL_MODELVIEW);
    open = true;
}

std::unique_ptr<ModelManager> makeWorld(bool busy) {
    auto world = std::make_unique<ModelManager>();
    ModelManager& w = *world;
    w.gameState = Playing;
    if (!busy) return world;
    const TextureTable& t = w.textures;
    for (int i = 0; i < 3; ++i)
        w.enemies.emplace_back(4.0f + 6 * i, 6.0f + i, 0.03f, t, w.sphereMeshes, 0.5f, 1.0f,
                               19.0f);
    w.enemies[1].hitsLeft = 2;
    for (int i = 0; i < 10; ++i) w.rabbits.emplace_back(2.0f * i, -0.01f, 0.01f, t);
    for (int i = 0; i < 20; ++i) {
        w.playerBullets.emplace_back(45.0f * (i % 3), 1.0f * i, 2.0f, 0.05f, t);
    }
    for (int i = 0; i < 1000; ++i) {
        const float x = static_cast<float>(i % 40) * 0.5f;
        const float y = static_cast<float>(i / 40) * 0.3f;
        w.particles.emplace_back(Vec3{0.1f, 0.2f, 0}, x, y, 0.5f, false,
                                 makeFireAnimation(t, 0.9f), 0.3f);
        w.particles.back().age = 0.1f * static_cast<float>(i % 9);
    }
    for (int i = 0; i < 10; ++i) {
        Explosion e;
        e.x = 2.0f * i;
        e.y = 3;
        e.size = 2;
        e.animation = makeExplosionAnimation(t);
        e.animation.frame = i % 9;
        w.explosions.push_back(e);
    }
    return world;
}

// Argument 0: the empty playing scene (backdrop, mountains, clouds, car,
// ground); 1: the busy one.
void drawOneFrame(benchmark::State& state) {
    openWindow();
    static bool told = false;
    if (!told) {
        std::printf("Renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        told = true;
    }
    auto world = makeWorld(state.range(0) != 0);
    for (auto _ : state) {
        glEnable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(-10, -4, -150);
        world->drawScene();
        glFinish();
    }
}
}  // namespace

BENCHMARK(drawOneFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
