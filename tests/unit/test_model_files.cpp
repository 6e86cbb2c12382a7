// SPDX-License-Identifier: MIT
// Tests: the shipped model files.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <map>
#include <utility>

#include "geometry/height_kernel.h"
#include "geometry/tri_mesh.h"
#include "render/lighting.h"
#include "support/test_files.h"

namespace {

TriMesh loadSphere() {
    TriMesh sphere;
    EXPECT_TRUE(sphere.load(builtModelPath("sphere.obj")));
    return sphere;
}

}  // namespace

TEST(ModelFiles, SphereIsAClosedOutwardUnitSphere) {
    TriMesh sphere = loadSphere();
    EXPECT_EQ(sphere.vertices.size(), 162u);
    EXPECT_EQ(sphere.triangles.size(), 320u);
    for (const Vertex& v : sphere.vertices) {
        EXPECT_NEAR(length({v.x, v.y, v.z}), 1.0f, 1e-4f);
        // Vertex normals of a sphere point along the position.
        EXPECT_GT(v.x * v.nx + v.y * v.ny + v.z * v.nz, 0.99f);
    }
    // Closed: every directed edge is met once, and its reverse once.
    std::map<std::pair<int, int>, int> edges;
    for (const Triangle& t : sphere.triangles) {
        ++edges[{t.index0, t.index1}];
        ++edges[{t.index1, t.index2}];
        ++edges[{t.index2, t.index0}];
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u);
    }
}

TEST(ModelFiles, SphereMakesThreeCoarserBalloons) {
    Lighting light;
    light.addLight({0, 0, -1}, {1, 1, 1});
    TriMesh sphere = loadSphere();
    sphere.lighting = &light;
    sphere.computeFaceData();
    size_t finer = sphere.triangles.size();
    for (int resolution : {5, 4, 3}) {
        TriMesh balloon;
        sphere.simplify(balloon, resolution);
        EXPECT_GT(balloon.triangles.size(), 20u) << resolution;
        EXPECT_LT(balloon.triangles.size(), finer) << resolution;
        finer = balloon.triangles.size();
        for (const Vertex& v : balloon.vertices) EXPECT_LE(length({v.x, v.y, v.z}), 1.0f);
        balloon.hideFacing({0, 0, -1}, 0.1f);
        int shown = 0;
        for (const Triangle& t : balloon.triangles) shown += t.visible;
        EXPECT_GT(shown, 0);
        EXPECT_LT(shown, static_cast<int>(balloon.triangles.size()));
    }
}

TEST(ModelFiles, MountainKernelIsOneSquarePeak) {
    HeightKernel kernel(builtModelPath("mountain1.kernel"));
    ASSERT_EQ(kernel.rows, 17);
    ASSERT_EQ(kernel.columns, 17);
    float highest = *std::max_element(kernel.values.begin(), kernel.values.end());
    EXPECT_EQ(highest, 1.0f);
    EXPECT_EQ(kernel.values[8 * 17 + 8], 1.0f);
    for (int i = 0; i < 17; ++i) {
        // A foot that meets the ground on every side.
        EXPECT_EQ(kernel.values[i], 0.0f);
        EXPECT_EQ(kernel.values[16 * 17 + i], 0.0f);
        EXPECT_EQ(kernel.values[i * 17], 0.0f);
        EXPECT_EQ(kernel.values[i * 17 + 16], 0.0f);
    }
    for (float v : kernel.values) EXPECT_GE(v, 0.0f);
    // Stamped at 6 to 10 cells, the top stays near the middle and high.
    for (int size = 6; size <= 10; ++size) {
        std::vector<float> h = kernel.resample(size, size);
        auto top = std::max_element(h.begin(), h.end()) - h.begin();
        EXPECT_GT(h[top], 0.7f) << size;
        EXPECT_NEAR(top / size, size / 2, 1) << size;
        EXPECT_NEAR(top % size, size / 2, 1) << size;
    }
}

// Nothing in the game calls setlocale, but a library may: numbers in the
// model files must read the same under a comma-decimal locale.
TEST(ModelFiles, NumbersReadTheSameUnderACommaDecimalLocale) {
    TempFile obj("v 0.5 0 0\nv -0.5 0 0\nv 0 0.25 1e-1\nf 1 2 3\n");
    TempFile kernel("0.5,1e-1\n-2.25,+3.0\n");
    TriMesh inC;
    ASSERT_TRUE(inC.load(obj.path));

#ifdef _WIN32
    const char* comma = "German_Germany.1252";
#else
    const char* comma = "de_DE.UTF-8";
#endif
    const bool german = std::setlocale(LC_ALL, comma) != nullptr;
    const double parsedThere = std::atof("0.5");
    TriMesh inGerman;
    inGerman.load(obj.path);
    HeightKernel heights(kernel.path);
    std::setlocale(LC_ALL, "C");

    ASSERT_TRUE(german) << "the locale " << comma << " is missing (scripts/setup.sh makes it)";
    EXPECT_EQ(parsedThere, 0.0);  // the locale really reads "0.5" differently
    ASSERT_EQ(inGerman.vertices.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(inGerman.vertices[i].x, inC.vertices[i].x);
        EXPECT_EQ(inGerman.vertices[i].y, inC.vertices[i].y);
        EXPECT_EQ(inGerman.vertices[i].z, inC.vertices[i].z);
    }
    EXPECT_EQ(heights.values, (std::vector<float>{0.5f, 0.1f, -2.25f, 3.0f}));
}
