// SPDX-License-Identifier: MIT
// Frames drawn with the game's real pictures. First, per state, the plain
// drawing against the caching path (and each of its techniques left out, and
// the two T wraps), interleaved in one process: processor time per frame of
// the whole process (llvmpipe's threads included) and the ratio, beside the
// wall time and the main thread's share. Then one
// frame of a busy scene (3 balloons, 10 rabbits, 20 bullets, 1,000
// particles, 10 explosions) through Google Benchmark, reporting the median of
// the repetitions. With BENCH_FULLSCREEN=WIDTHxHEIGHT, instead: each state in
// a window of that size, as fullscreen, drawn straight into the fitted
// viewport against drawn off the window at 1280 x 720 and scaled in one
// copy (by GL or by the X server) or not shown at all, and no more. Needs an
// X display (run under Xvfb).
#include <benchmark/benchmark.h>

#include <GL/freeglut.h>
#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/camera.h"
#include "gameplay/animation_kinds.h"
#include "render/draw_caches.h"
#include "render/gl_entry_points.h"
#include "render/scaled_frame.h"
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
    setProjection();
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

// First argument 0: the empty playing scene (backdrop, mountains, clouds,
// car, ground); 1: the busy one. Second: 0 the plain path, 1 the best one.
void drawOneFrame(benchmark::State& state) {
    openWindow();
    auto world = makeWorld(state.range(0) != 0);
    DrawCaches caches;
    if (state.range(1) != 0) caches.choosePath();
    for (auto _ : state) {
        glEnable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(-10, -4, -150);
        world->drawScene(caches);
        glFinish();
    }
}

double clockMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_nsec) / 1e6;
}

double processCpuMs() { return clockMs(CLOCK_PROCESS_CPUTIME_ID); }

// One state of the game, posed once; `advance` moves what changes from frame
// to frame (the menu hue, the shaking view) by the frame number.
struct Scene {
    const char* name;
    std::unique_ptr<ModelManager> world;
    std::function<void(ModelManager&, int)> advance;
};

// A way of drawing: its own path and caches, with one technique left out or
// the pictures' T wrap changed.
struct Variant {
    std::string name;
    std::unique_ptr<DrawCaches> caches = std::make_unique<DrawCaches>();
    int wrap = GL_CLAMP_TO_EDGE;
    double cpuMs = 0;
    double wallMs = 0;
    double mainMs = 0;
    int frames = 0;
};

void setTWrap(const ModelManager& world, int wrap) {
    for (unsigned int t : world.textures) {
        glBindTexture(GL_TEXTURE_2D, t);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

std::vector<Scene> makeScenes() {
    std::vector<Scene> scenes;
    auto menu = std::make_unique<ModelManager>();
    scenes.push_back({"start menu", std::move(menu), [](ModelManager& w, int i) {
                          w.menuHue = static_cast<float>(i % 240) * 1.5f;
                      }});
    auto driveIn = std::make_unique<ModelManager>();
    driveIn->gameState = EnteringPlay;
    scenes.push_back({"drive-in", std::move(driveIn), [](ModelManager& w, int i) {
                          w.transitionProgress = static_cast<float>(i % 120) / 120;
                          w.player->x = w.transitionProgress * 8 - 4;
                      }});
    // A shaking, tilting view, as for seconds after every explosion.
    scenes.push_back({"busy play, shaking", makeWorld(true), [](ModelManager& w, int i) {
                          w.shake.offsetX = 0.05f * std::sin(0.7f * static_cast<float>(i));
                          w.shake.offsetY = 0.05f * std::cos(1.3f * static_cast<float>(i));
                          w.shake.offsetZ = 0.05f * std::sin(1.9f * static_cast<float>(i));
                      }});
    auto death = std::make_unique<ModelManager>();
    death->gameState = DeathMenu;
    death->player->health = 30;
    scenes.push_back({"death screen", std::move(death), [](ModelManager& w, int i) {
                          w.menuHue = static_cast<float>(i % 240) * 1.5f;
                      }});
    return scenes;
}

void compareStates() {
    openWindow();
    const DrawPath best = DrawCaches().choosePath();
    std::printf("Renderer: %s; caching path: %s\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), drawPathName(best));
    std::vector<Scene> scenes = makeScenes();
    // The caching path with the technique `leftOut` turned off.
    const auto without = [best](const char* name, bool DrawTechniques::*leftOut) {
        Variant v{std::string("  without ") + name};
        v.caches->forceDrawPath(best);
        v.caches->techniques.*leftOut = false;
        return v;
    };
    // BENCH_STATE=<part of a state's name> measures that state alone (for a profiler).
    const char* only = std::getenv("BENCH_STATE");
    for (Scene& scene : scenes) {
        if (only && !std::strstr(scene.name, only)) continue;
        ModelManager& w = *scene.world;
        std::vector<Variant> variants;
        variants.push_back({"plain"});
        variants.push_back({"caching"});
        variants.back().caches->forceDrawPath(best);
        const std::pair<const char*, bool DrawTechniques::*> techniques[] = {
            {"back-layer cache", &DrawTechniques::backLayerCache},
            {"overlay depth-test skip", &DrawTechniques::overlayWithoutDepthTest},
            {"overlay cache", &DrawTechniques::overlayCache},
            {"overlay's empty blocks", &DrawTechniques::overlayBlocks},
            {"REPLACE for white", &DrawTechniques::replaceForWhite},
            {"opaque backdrop", &DrawTechniques::opaqueBackdrop},
            {"unblended meshes", &DrawTechniques::meshesWithoutBlend},
            {"texture kept before a pop", &DrawTechniques::textureKeptBeforePop},
        };
        for (const auto& [name, leftOut] : techniques) variants.push_back(without(name, leftOut));
        variants.push_back({"plain, T wrap GL_CLAMP"});
        variants.back().wrap = GL_CLAMP;
        // Blocks of frames taking turns, so load from elsewhere falls on all.
        constexpr int kRounds = 8;
        constexpr int kBlock = 10;
        int frame = 0;
        for (int round = 0; round < kRounds; ++round) {
            for (Variant& v : variants) {
                setTWrap(w, v.wrap);
                for (int i = 0; i < kBlock + (round == 0 ? 2 : 0); ++i) {
                    scene.advance(w, frame++);
                    const double start = processCpuMs();
                    const double startWall = clockMs(CLOCK_MONOTONIC);
                    const double startMain = clockMs(CLOCK_THREAD_CPUTIME_ID);
                    glEnable(GL_DEPTH_TEST);
                    glClearColor(0, 0, 0, 0);
                    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                    glLoadIdentity();
                    glTranslatef(w.viewOffset.x, w.viewOffset.y, w.viewOffset.z);
                    w.drawScene(*v.caches);
                    glutSwapBuffers();
                    glFinish();
                    // The first round's first frames only warm the caches up.
                    if (round > 0 || i >= 2) {
                        v.cpuMs += processCpuMs() - start;
                        v.wallMs += clockMs(CLOCK_MONOTONIC) - startWall;
                        v.mainMs += clockMs(CLOCK_THREAD_CPUTIME_ID) - startMain;
                        ++v.frames;
                    }
                }
            }
        }
        setTWrap(w, GL_CLAMP_TO_EDGE);
        const double plain = variants[0].cpuMs / variants[0].frames;
        std::printf("\n%s: CPU ms per frame, ratio to plain (%d frames each)\n", scene.name,
                    variants[0].frames);
        for (const Variant& v : variants) {
            const double ms = v.cpuMs / v.frames;
            std::printf("  %-36s %7.2f ms  %5.2f   wall %6.2f ms  main thread %6.2f ms\n",
                        v.name.c_str(), ms, ms / plain, v.wallMs / v.frames, v.mainMs / v.frames);
        }
    }
    std::printf("\n");
    std::fflush(stdout);
}
// Fullscreen at `size` ("1920x1080"): the ways of fitting the picture, each
// with the best path, taking turns in blocks as above.
void compareFullscreen(const char* size) {
    int width = 0, height = 0;
    if (std::sscanf(size, "%dx%d", &width, &height) != 2) return;
    openWindow();
    glutReshapeWindow(width, height);
    for (int i = 0; i < 400 && glutGet(GLUT_WINDOW_WIDTH) != width; ++i) glutMainLoopEvent();
    struct Way {
        const char* name;
        ScaledFrame frame;
        DrawCaches caches;
        bool shown = true;
        double cpuMs = 0, wallMs = 0;
        int frames = 0;
    };
    Way ways[4];
    ways[0].name = "straight into the fitted viewport";
    ways[0].frame.offWindowAllowed = false;
    ways[1].name = "off the window, scaled by GL";
    ways[1].frame.windowSystemAllowed = false;
    ways[2].name = "off the window, scaled by X";
    // The drawing alone, for what showing it costs on top.
    ways[3].name = "off the window, not shown";
    ways[3].shown = false;
    for (Way& way : ways) {
        way.frame.setWindowSize(width, height);
        way.caches.choosePath();
    }
    std::printf("Window %dx%d\n", glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    std::vector<Scene> scenes = makeScenes();
    for (Scene& scene : scenes) {
        for (Way& way : ways) way.cpuMs = way.wallMs = way.frames = 0;
        int frame = 0;
        for (int round = 0; round < 8; ++round) {
            for (Way& way : ways) {
                for (int i = 0; i < 12; ++i) {
                    scene.advance(*scene.world, frame++);
                    const double start = processCpuMs();
                    const double startWall = clockMs(CLOCK_MONOTONIC);
                    glEnable(GL_DEPTH_TEST);
                    way.frame.begin();
                    glLoadIdentity();
                    const Vec3 o = scene.world->viewOffset;
                    glTranslatef(o.x, o.y, o.z);
                    scene.world->drawScene(way.caches);
                    if (way.shown) {
                        way.frame.end();
                        if (way.frame.needsSwap()) glutSwapBuffers();
                    } else {
                        framebufferCalls().bindFramebuffer(GL_FRAMEBUFFER, 0);
                    }
                    glFinish();
                    if (round > 0 || i >= 2) {
                        way.cpuMs += processCpuMs() - start;
                        way.wallMs += clockMs(CLOCK_MONOTONIC) - startWall;
                        ++way.frames;
                    }
                }
            }
        }
        const double straight = ways[0].cpuMs / ways[0].frames;
        std::printf("%s at %s: CPU ms per frame, ratio to drawing straight in\n", scene.name, size);
        for (const Way& way : ways) {
            const double ms = way.cpuMs / way.frames;
            std::printf("  %-36s %7.2f ms  %5.2f   wall %6.2f ms\n", way.name, ms, ms / straight,
                        way.wallMs / way.frames);
        }
    }
    std::fflush(stdout);
    std::exit(0);
}
}  // namespace

BENCHMARK(drawOneFrame)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (const char* size = std::getenv("BENCH_FULLSCREEN")) compareFullscreen(size);
    compareStates();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
