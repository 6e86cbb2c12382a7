// SPDX-License-Identifier: MIT
// Tests: the OBJ reader.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/tri_mesh.h"
#include "support/test_files.h"

namespace {

const char* kFourVertices = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0.5 1.5 0\n";

struct Loaded {
    TriMesh mesh;
    bool ok = false;
    std::string output;
};

Loaded load(const std::string& content) {
    TempFile file(content);
    Loaded result;
    testing::internal::CaptureStdout();
    result.ok = result.mesh.load(file.path);
    result.output = testing::internal::GetCapturedStdout();
    return result;
}

std::vector<std::vector<int>> corners(const TriMesh& mesh) {
    std::vector<std::vector<int>> all;
    for (const Triangle& t : mesh.triangles) all.push_back({t.index0, t.index1, t.index2});
    return all;
}

using Corners = std::vector<std::vector<int>>;

}  // namespace

TEST(ObjReader, MissingOrNonRegularFileLeavesTheMeshAloneSilently) {
    TempFifo fifo;
    for (const std::string& path : {std::string("/nonexistent/sphere.obj"), fifo.path,
                                    tempDirectory()}) {
        TriMesh mesh;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(mesh.load(path)) << path;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_TRUE(mesh.vertices.empty());
    }
}

TEST(ObjReader, PolygonsBecomeFansAroundTheFirstCorner) {
    Loaded quad = load(std::string(kFourVertices) + "f 1 2 3 4\n");
    EXPECT_TRUE(quad.ok);
    EXPECT_EQ(corners(quad.mesh), (Corners{{0, 1, 2}, {0, 2, 3}}));

    Loaded pentagon = load(std::string(kFourVertices) + "f 1 2 3 4 5\n");
    EXPECT_EQ(corners(pentagon.mesh), (Corners{{0, 1, 2}, {0, 2, 3}, {0, 3, 4}}));
    for (const Triangle& t : pentagon.mesh.triangles) {
        EXPECT_TRUE(t.visible);
        EXPECT_EQ(t.r + t.g + t.b, 0);
    }
}

TEST(ObjReader, OnlyThePositionIndexOfEachGroupCounts) {
    for (const char* face : {"f 1/4/7 2/5/8 3/6/9\n", "f 1//7 2//8 3//9\n", "f 1/2 2/3 3/4\n",
                             "f 1  2   3\n", "f 1 2 3 \n", "f 1 2 3\r\n", "f   1 2 3", "f 1 2 3"}) {
        Loaded l = load(std::string(kFourVertices) + face);
        EXPECT_EQ(corners(l.mesh), (Corners{{0, 1, 2}})) << face;
        EXPECT_EQ(l.output, "") << face;
    }
    // A group that begins with '/' has no position index.
    Loaded noPosition = load(std::string(kFourVertices) + "f 1 /2 2 3\n");
    EXPECT_EQ(corners(noPosition.mesh), (Corners{{0, 1, 2}}));
}

TEST(ObjReader, FaceWithFewerThanThreeCornersIsReportedAndSkipped) {
    Loaded one = load(std::string(kFourVertices) + "f 1 2\nf 1 2 3\n");
    EXPECT_EQ(one.output, "TriMesh::LOAD: Unexpected number of face vertices (<3). Ignoring face");
    EXPECT_EQ(corners(one.mesh), (Corners{{0, 1, 2}}));

    Loaded two = load(std::string(kFourVertices) + "f 1 2\nf\n f 3\nf \n");
    const std::string message =
        "TriMesh::LOAD: Unexpected number of face vertices (<3). Ignoring face";
    // "f\n" and " f 3" are no face lines; "f \n" is an empty face.
    EXPECT_EQ(two.output, message + message);
    EXPECT_TRUE(two.mesh.triangles.empty());
}

TEST(ObjReader, FaceWithAnIndexOutsideTheVerticesIsSkipped) {
    const std::string outOfRange = "TriMesh::LOAD: Face index out of range. Ignoring face\n";
    for (const char* face : {"f 0 1 2\n", "f 1 2 6\n", "f -1 -2 -3\n", "f 1 x 3\n",
                             "f 1 2 3 4 99\n", "f 1 2 99999999999999999999999\n"}) {
        Loaded l = load(std::string(kFourVertices) + face + "f 2 3 4\n");
        EXPECT_EQ(l.output, outOfRange) << face;
        EXPECT_EQ(corners(l.mesh), (Corners{{1, 2, 3}})) << face;
    }
}

TEST(ObjReader, FacesMayComeBeforeTheirVertices) {
    Loaded l = load("f 1 2 3\nv 0 0 0\nv 1 0 0\nf 3 2 1 4\nv 0 1 0\nf 2 3 1\n");
    EXPECT_EQ(l.output, "TriMesh::LOAD: Face index out of range. Ignoring face\n");
    EXPECT_EQ(corners(l.mesh), (Corners{{0, 1, 2}, {1, 2, 0}}));
}

TEST(ObjReader, OtherLinesAddNothing) {
    Loaded l = load(
        "# v 5 5 5\n"
        "vn 0 0 1\n"
        "vt 0.5 0.5\n"
        "o ball\ng skin\ns 1\nusemtl red\nmtllib ball.mtl\n"
        "v 1 2 3\n"
        "v x 2 3\n"
        "v 1 2\n"
        "v\n"
        "v 1 nan 3\nv inf 2 3\nv 1 2 -1e39\nv 1e38 2 3\nv 1 2 -2e9\n"
        "v 4 5 6\nv 7 8 10\n"
        "f 1 2 3\n");
    EXPECT_EQ(l.mesh.vertices.size(), 3u);
    EXPECT_EQ(corners(l.mesh), (Corners{{0, 1, 2}}));

    // Finite but huge coordinates would overflow the normals: dropped, while
    // the largest kept ones still give unit normals.
    Loaded distant = load("v 0 0 0\nv 1e38 1 1\nv 1e9 0 0\nv 0 1e9 -1e9\nf 1 2 3\n");
    ASSERT_EQ(distant.mesh.vertices.size(), 3u);
    distant.mesh.computeNormals();
    for (const Vertex& v : distant.mesh.vertices) {
        EXPECT_NEAR(v.nx, 0, 1e-6);
        EXPECT_NEAR(v.ny, 0.7071068f, 1e-6);
        EXPECT_NEAR(v.nz, 0.7071068f, 1e-6);
    }
}

TEST(ObjReader, LongLinesAreReadIn255CharacterPieces) {
    // The comment fills the first read exactly; its tail is read as a line of
    // its own and happens to be a vertex line.
    std::string comment = "#" + std::string(254, 'x');
    Loaded l = load(comment + "v 1 2 3\nv 0 0 0\n");
    EXPECT_EQ(l.mesh.vertices.size(), 2u);

    std::string longFace = "f 1 2 3" + std::string(300, ' ') + "\n";
    Loaded face = load(std::string(kFourVertices) + longFace);
    EXPECT_EQ(corners(face.mesh), (Corners{{0, 1, 2}}));
}

TEST(ObjReader, BinaryJunkIsHarmless) {
    const char raw[] = "v 1 2 3\nf \0\xff\x01 1 2\n\0\0v 4 5 6\xfe\nf 1\0 2 3\n";
    std::string junk(raw, sizeof raw - 1);
    for (int i = 0; i < 256; ++i) junk.push_back(static_cast<char>(i * 37));
    Loaded l = load(junk);
    EXPECT_TRUE(l.ok);
    for (const Triangle& t : l.mesh.triangles) {
        for (int index : {t.index0, t.index1, t.index2}) {
            EXPECT_GE(index, 0);
            EXPECT_LT(index, static_cast<int>(l.mesh.vertices.size()));
        }
    }
}

TEST(ObjReader, ReadMeshIsCentredOnTheUnitSphere) {
    Loaded l = load("v 10 20 30\nv 14 20 30\nv 10 26 30\nv 10 20 31\nf 1 2 3\nf 1 3 4\n");
    const TriMesh& mesh = l.mesh;
    Vec3 sum;
    float farthest = 0;
    for (const Vertex& v : mesh.vertices) {
        sum = sum + Vec3{v.x, v.y, v.z};
        farthest = std::max(farthest, length({v.x, v.y, v.z}));
        EXPECT_EQ(v.r + v.g + v.b, 3.0f);
    }
    EXPECT_NEAR(sum.x, 0, 1e-5f);
    EXPECT_NEAR(sum.y, 0, 1e-5f);
    EXPECT_NEAR(sum.z, 0, 1e-5f);
    EXPECT_NEAR(farthest, 1.0f, 1e-6f);
    EXPECT_LE(mesh.extent, 2.0f);
    EXPECT_GE(mesh.boundsMin.x, -1.0f);
    EXPECT_GE(mesh.boundsMin.y, -1.0f);
    EXPECT_GE(mesh.boundsMin.z, -1.0f);
    // (10,26,30) is farthest from the centroid (11, 21.5, 30.25).
    EXPECT_NEAR(mesh.vertices[2].y, 4.5f / std::sqrt(1 + 4.5f * 4.5f + 0.0625f), 1e-6f);
    // Normals and bounds come with the read.
    EXPECT_NEAR(mesh.vertices[1].nz, 1.0f, 1e-6f);
    EXPECT_NEAR(mesh.extent, mesh.vertices[2].y - mesh.vertices[0].y, 1e-6f);
}

TEST(ObjReader, VerticesInOnePointStayAtTheCentre) {
    Loaded l = load("v 2 2 2\nv 2 2 2\nv 2 2 2\nf 1 2 3\n");
    for (const Vertex& v : l.mesh.vertices) {
        EXPECT_EQ(v.x, 0);
        EXPECT_EQ(v.y, 0);
        EXPECT_EQ(v.z, 0);
        EXPECT_EQ(v.nx, 0);
    }
    EXPECT_EQ(l.mesh.extent, 0);
}
