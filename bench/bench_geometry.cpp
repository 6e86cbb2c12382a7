// Geometry costs: a mountain segment as the background task makes it, the
// balloon meshes as the world builds them at start-up, and the per-draw
// view-dependent term.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "geometry/mountains.h"
#include "geometry/tri_mesh.h"
#include "render/lighting.h"

namespace {

std::string modelFile(const std::string& name) {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
    return exe.substr(0, exe.find_last_of('/')) + "/models/" + name;
}

Lighting terrainLight() {
    Lighting light;
    light.addLight({1.0f / 3, -2.0f / 3, -2.0f / 3}, {0.7f, 0.7f, 0.7f});
    return light;
}

Lighting sphereLight() {
    Lighting light;
    const float k = 0.57735026f;
    light.addLight({k, -k, -k}, {1, 1, 1});
    light.ambient = {1, 1, 1};
    light.ambientIntensity = 0.5f;
    return light;
}

std::unique_ptr<Mountains> firstSegment(const Lighting& light) {
    return std::make_unique<Mountains>(&light, 50, 30, 8.0f, 4.0f, 4.0f, 0.234375f, 0.21875f,
                                       0.2265625f, modelFile("mountain1.kernel"));
}

// A 50 x 30 segment: grid, jitter, 10 stamps, normals and face data.
void BM_MountainSuccessor(benchmark::State& state) {
    Lighting light = terrainLight();
    std::unique_ptr<Mountains> first = firstSegment(light);
    for (auto _ : state) {
        std::unique_ptr<Mountains> next = first->makeSuccessor();
        benchmark::DoNotOptimize(next->mesh->faceDiffuse.data());
    }
}
BENCHMARK(BM_MountainSuccessor)->Unit(benchmark::kMicrosecond);

// The first segment also reads the kernel file and culls back faces.
void BM_MountainFirstSegment(benchmark::State& state) {
    Lighting light = terrainLight();
    for (auto _ : state) {
        std::unique_ptr<Mountains> first = firstSegment(light);
        benchmark::DoNotOptimize(first->mesh->faceDiffuse.data());
    }
}
BENCHMARK(BM_MountainFirstSegment)->Unit(benchmark::kMicrosecond);

// Reading sphere.obj and making the three balloon meshes, as at start-up.
void BM_BalloonMeshes(benchmark::State& state) {
    Lighting light = sphereLight();
    const std::string path = modelFile("sphere.obj");
    for (auto _ : state) {
        TriMesh sphere;
        sphere.load(path);
        sphere.color = {1, 0, 0};
        sphere.colorMode = TriangleColors;
        sphere.lighting = &light;
        sphere.computeFaceData();
        std::vector<TriMesh> balloons;
        for (int resolution : {5, 4, 3}) {
            TriMesh balloon;
            sphere.simplify(balloon, resolution);
            balloon.hideFacing({0, 0, -1}, 0.1f);
            for (size_t i = 0; i < balloon.triangles.size(); ++i) {
                float shade = i % 4 == 0 ? 0.0f : 1.0f;
                Triangle& t = balloon.triangles[i];
                t.r = t.g = t.b = shade;
            }
            balloons.push_back(std::move(balloon));
        }
        benchmark::DoNotOptimize(balloons.data());
    }
}
BENCHMARK(BM_BalloonMeshes)->Unit(benchmark::kMicrosecond);

// The view-dependent term of one segment, paid on every draw.
void BM_MountainSpecular(benchmark::State& state) {
    Lighting light = terrainLight();
    std::unique_ptr<Mountains> first = firstSegment(light);
    for (auto _ : state) {
        first->mesh->updateSpecular({-20, 0, -10}, {0, 2, 30});
        benchmark::DoNotOptimize(first->mesh->faceSpecular.data());
    }
}
BENCHMARK(BM_MountainSpecular)->Unit(benchmark::kMicrosecond);

}  // namespace
