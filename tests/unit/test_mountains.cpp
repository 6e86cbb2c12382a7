// SPDX-License-Identifier: MIT
// Tests: mountain segments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "geometry/mountains.h"
#include "geometry/random.h"
#include "render/light_sets.h"
#include "support/test_files.h"

namespace {

const char* kPyramid =
    "0,0,0,0,0\n"
    "0,0.5,0.5,0.5,0\n"
    "0,0.5,1,0.5,0\n"
    "0,0.5,0.5,0.5,0\n"
    "0,0,0,0,0\n";

constexpr int kX = 50;
constexpr int kZ = 30;
const Vec3 kRock{0.234375f, 0.21875f, 0.2265625f};

std::unique_ptr<Mountains> firstSegment(const Lighting& light, const std::string& kernelPath) {
    return std::make_unique<Mountains>(&light, kX, kZ, 8.0f, 4.0f, 4.0f, kRock.x, kRock.y,
                                       kRock.z, kernelPath);
}

// What one segment's random draws must make of the grid, replayed from the
// current point of this thread's sequence: the expected position of every
// vertex and which of them were stamped.
struct Replay {
    std::vector<Vec3> positions;
    std::set<int> stamped;
};

Replay replaySegment(const HeightKernel& kernel) {
    Replay r;
    for (int i = 0; i <= kX; ++i) {
        for (int k = 0; k <= kZ; ++k) {
            Vec3 p{float(i), 0, -float(k)};
            if (i > 0 && i < kX && k > 0 && k < kZ) {
                p.x = i + 0.6f * randUnit();
                p.z = -(k + 0.6f * randUnit());
                p.y = 0.05f * randUnit();
            }
            r.positions.push_back(p);
        }
    }
    for (int m = 0; m < 10; ++m) {
        int sizeA = std::max(1, int(6.0f + 4.0f * randUnit()));
        int sizeB = std::max(1, int(6.0f + 4.0f * randUnit()));
        int offA = int(float(kX - sizeA) * randUnit()) + 1;
        int offB = int(float(kZ - sizeB) * randUnit()) + 1;
        std::vector<float> h = kernel.resample(sizeA, sizeB);
        for (int a = 0; a < sizeA; ++a) {
            for (int t = 0; t < sizeB; ++t) {
                int n = (offA + a) * (kZ + 1) + offB + t;
                r.stamped.insert(n);
                r.positions[n].y += h[a * sizeB + t] * 4.0f + 0.05f * randUnit();
            }
        }
    }
    return r;
}

bool touchesStamp(const Triangle& t, const std::set<int>& stamped) {
    return stamped.count(t.index0) || stamped.count(t.index1) || stamped.count(t.index2);
}

void expectMatchesReplay(const Mountains& segment, const Replay& replay, bool cullsBackFaces) {
    const TriMesh& mesh = *segment.mesh;
    ASSERT_EQ(mesh.vertices.size(), replay.positions.size());
    for (size_t n = 0; n < mesh.vertices.size(); ++n) {
        const Vertex& v = mesh.vertices[n];
        ASSERT_EQ(v.x, replay.positions[n].x) << n;
        ASSERT_EQ(v.z, replay.positions[n].z) << n;
        ASSERT_NEAR(v.y, replay.positions[n].y, 1e-5f) << n;
    }
    // Brute force: scan for a stamped corner, then the back-face cull.
    int visible = 0;
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        bool expected = touchesStamp(mesh.triangles[i], replay.stamped);
        if (cullsBackFaces && -mesh.faceNormals[i].z > 0.1f) expected = false;
        ASSERT_EQ(mesh.triangles[i].visible, expected) << "triangle " << i;
        visible += expected;
    }
    EXPECT_GT(visible, 100);
}

// Each test starts from a fresh random sequence, so its segments do not
// depend on the tests that ran before.
class MountainsTest : public testing::Test {
protected:
    void SetUp() override { restartRandom(); }
};

}  // namespace

TEST_F(MountainsTest, SegmentGridHasTheDocumentedLayout) {
    TempFile kernel(kPyramid);
    Lighting light = makeTerrainLight();
    auto segment = firstSegment(light, kernel.path);
    const TriMesh& mesh = *segment->mesh;
    ASSERT_EQ(mesh.vertices.size(), 1581u);
    ASSERT_EQ(mesh.triangles.size(), 3000u);
    EXPECT_EQ(segment->stampCount, 10);
    EXPECT_EQ(mesh.lighting, &light);
    EXPECT_EQ(mesh.colorMode, MeshColor);
    EXPECT_EQ(mesh.color, kRock);
    EXPECT_EQ(mesh.faceDiffuse.size(), 3000u);

    // Cell (j, s) = (2, 5): two triangles at 2 * (2 * 30 + 5).
    int p = 2 * 31 + 5, q = p + 31;
    const Triangle& first = mesh.triangles[130];
    const Triangle& second = mesh.triangles[131];
    EXPECT_EQ((std::vector<int>{first.index0, first.index1, first.index2}),
              (std::vector<int>{p + 1, p, q}));
    EXPECT_EQ((std::vector<int>{second.index0, second.index1, second.index2}),
              (std::vector<int>{q + 1, p + 1, q}));

    for (int i = 0; i <= kX; ++i) {
        for (int k = 0; k <= kZ; ++k) {
            const Vertex& v = mesh.vertices[i * 31 + k];
            EXPECT_EQ(Vec3({v.r, v.g, v.b}), kRock);
            if (i == 0 || i == kX || k == 0 || k == kZ) {
                EXPECT_EQ(v.x, float(i));
                EXPECT_EQ(v.z, -float(k));
            } else {
                EXPECT_GE(v.x, i);
                EXPECT_LE(v.x, i + 0.6f);
                EXPECT_LE(v.z, -k);
                EXPECT_GE(v.z, -(k + 0.6f));
            }
            // The front row and the first column never rise.
            if (i == 0 || k == 0) {
                EXPECT_EQ(v.y, 0.0f);
            }
            EXPECT_GE(v.y, 0.0f);
        }
    }
}

TEST_F(MountainsTest, RandomDrawsAndVisibilityFollowTheStamps) {
    TempFile kernelFile(kPyramid);
    HeightKernel kernel(kernelFile.path);
    Lighting light = makeTerrainLight();

    restartRandom();
    auto first = firstSegment(light, kernelFile.path);
    auto next = first->makeSuccessor();

    restartRandom();
    Replay firstReplay = replaySegment(kernel);
    Replay nextReplay = replaySegment(kernel);
    expectMatchesReplay(*first, firstReplay, true);
    // Successors keep their back-facing slopes.
    expectMatchesReplay(*next, nextReplay, false);

    // The first segment did hide some slopes.
    int culled = 0;
    for (size_t i = 0; i < first->mesh->triangles.size(); ++i) {
        culled += touchesStamp(first->mesh->triangles[i], firstReplay.stamped) &&
                  !first->mesh->triangles[i].visible;
    }
    EXPECT_GT(culled, 0);
}

TEST_F(MountainsTest, NormalsAndLightTermsComeWithTheSegment) {
    TempFile kernel(kPyramid);
    Lighting light = makeTerrainLight();
    auto segment = firstSegment(light, kernel.path);
    const TriMesh& mesh = *segment->mesh;
    for (const Vertex& v : mesh.vertices) {
        EXPECT_NEAR(length({v.nx, v.ny, v.nz}), 1.0f, 1e-5f);
        EXPECT_GT(v.ny, 0.0f);
    }
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        Vec3 expected = light.diffuseAt(mesh.faceNormals[i]);
        EXPECT_EQ(mesh.faceDiffuse[i], expected);
    }
}

TEST_F(MountainsTest, SuccessorsShareTheKernelButNotTheRelief) {
    TempFile kernel(kPyramid);
    Lighting light = makeTerrainLight();
    auto first = firstSegment(light, kernel.path);
    auto a = first->makeSuccessor();
    auto b = first->makeSuccessor();
    EXPECT_EQ(a->kernel.get(), first->kernel.get());
    EXPECT_EQ(b->kernel.get(), first->kernel.get());
    for (const auto* s : {a.get(), b.get()}) {
        EXPECT_EQ(s->color, first->color);
        EXPECT_EQ(s->cellsX, kX);
        EXPECT_EQ(s->cellsZ, kZ);
        EXPECT_EQ(s->meanSize, 8.0f);
        EXPECT_EQ(s->sizeSpread, 4.0f);
        EXPECT_EQ(s->heightScale, 4.0f);
        EXPECT_EQ(s->stampCount, 10);
        EXPECT_EQ(s->kernelPath, kernel.path);
        EXPECT_EQ(s->mesh->lighting, &light);
        EXPECT_EQ(s->mesh->colorMode, MeshColor);
        EXPECT_EQ(s->mesh->faceNormals.size(), 3000u);
    }
    int differing = 0;
    for (size_t n = 0; n < a->mesh->vertices.size(); ++n) {
        differing += a->mesh->vertices[n].y != b->mesh->vertices[n].y;
    }
    EXPECT_GT(differing, 1000);

    // The kernel outlives the segment that read it.
    first.reset();
    EXPECT_EQ(a->kernel.use_count(), 2);
    auto c = a->makeSuccessor();
    float highest = 0;
    for (const Vertex& v : c->mesh->vertices) highest = std::max(highest, v.y);
    EXPECT_GT(highest, 3.0f);
}

TEST_F(MountainsTest, ZeroKernelGivesNoiseThatIsStillShown) {
    std::string zeros;
    for (int r = 0; r < 5; ++r) zeros += "0,0,0,0,0\n";
    TempFile kernel(zeros);
    Lighting light = makeTerrainLight();
    auto segment = firstSegment(light, kernel.path)->makeSuccessor();
    float highest = 0;
    for (const Vertex& v : segment->mesh->vertices) highest = std::max(highest, v.y);
    EXPECT_LE(highest, 0.05f * 11);
    EXPECT_GT(highest, 0.05f);
    int visible = 0;
    for (const Triangle& t : segment->mesh->triangles) visible += t.visible;
    EXPECT_GT(visible, 100);
}

TEST_F(MountainsTest, MissingOrTinyKernelKeepsTheGameGoing) {
    Lighting light = makeTerrainLight();
    testing::internal::CaptureStdout();
    auto flat = firstSegment(light, "/nonexistent/mountain1.kernel");
    std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("Mountain kernel missing or empty: /nonexistent/mountain1.kernel"),
              std::string::npos);
    EXPECT_EQ(flat->mesh->triangles.size(), 3000u);
    for (const Vertex& v : flat->mesh->vertices) EXPECT_LE(v.y, 0.05f * 11);
    auto next = flat->makeSuccessor();
    EXPECT_EQ(next->mesh->vertices.size(), 1581u);

    TempFile single("0.5\n");
    auto plateau = firstSegment(light, single.path)->makeSuccessor();
    float highest = 0;
    for (const Vertex& v : plateau->mesh->vertices) highest = std::max(highest, v.y);
    EXPECT_GE(highest, 2.0f);
}

TEST_F(MountainsTest, FootprintsLargerThanTheGridStayInside) {
    TempFile kernel(kPyramid);
    Lighting light = makeTerrainLight();
    for (auto [x, z] : {std::pair{3, 2}, std::pair{0, 5}, std::pair{1, 0}, std::pair{-2, -1}}) {
        Mountains small(&light, x, z, 8.0f, 4.0f, 4.0f, 1, 1, 1, kernel.path);
        size_t columns = size_t(std::max(x + 1, 0));
        size_t rows = size_t(std::max(z + 1, 0));
        EXPECT_EQ(small.mesh->vertices.size(), columns * rows);
        EXPECT_EQ(small.mesh->triangles.size(), size_t(std::max(x, 0) * std::max(z, 0) * 2));
        small.makeSuccessor();
    }
}
