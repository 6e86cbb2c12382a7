// SPDX-License-Identifier: MIT
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
#include "render/asset_paths.h"
#include "render/light_sets.h"
#include "world/balloon_meshes.h"

namespace {

std::string modelFile(const std::string& name) {
    return executableDirectory() + "/models/" + name;
}

std::unique_ptr<Mountains> firstSegment(const Lighting& light) {
    return std::make_unique<Mountains>(&light, 50, 30, 8.0f, 4.0f, 4.0f, 0.234375f, 0.21875f,
                                       0.2265625f, modelFile("mountain1.kernel"));
}

// A 50 x 30 segment: grid, jitter, 10 stamps, normals and face data.
void BM_MountainSuccessor(benchmark::State& state) {
    Lighting light = makeTerrainLight();
    std::unique_ptr<Mountains> first = firstSegment(light);
    for (auto _ : state) {
        std::unique_ptr<Mountains> next = first->makeSuccessor();
        benchmark::DoNotOptimize(next->mesh->faceDiffuse.data());
    }
}
BENCHMARK(BM_MountainSuccessor)->Unit(benchmark::kMicrosecond);

// The first segment also reads the kernel file and culls back faces.
void BM_MountainFirstSegment(benchmark::State& state) {
    Lighting light = makeTerrainLight();
    for (auto _ : state) {
        std::unique_ptr<Mountains> first = firstSegment(light);
        benchmark::DoNotOptimize(first->mesh->faceDiffuse.data());
    }
}
BENCHMARK(BM_MountainFirstSegment)->Unit(benchmark::kMicrosecond);

// Reading sphere.obj and making the three balloon meshes, as at start-up.
void BM_BalloonMeshes(benchmark::State& state) {
    Lighting light = makeSphereLight();
    const std::string path = modelFile("sphere.obj");
    for (auto _ : state) {
        std::vector<TriMesh> balloons = makeBalloonMeshes(path, &light);
        benchmark::DoNotOptimize(balloons.data());
    }
}
BENCHMARK(BM_BalloonMeshes)->Unit(benchmark::kMicrosecond);

// The view-dependent term of one segment, paid on every draw.
void BM_MountainSpecular(benchmark::State& state) {
    Lighting light = makeTerrainLight();
    std::unique_ptr<Mountains> first = firstSegment(light);
    for (auto _ : state) {
        first->mesh->updateSpecular({-20, 0, -10}, {0, 2, 30});
        benchmark::DoNotOptimize(first->mesh->faceSpecular.data());
    }
}
BENCHMARK(BM_MountainSpecular)->Unit(benchmark::kMicrosecond);

}  // namespace
