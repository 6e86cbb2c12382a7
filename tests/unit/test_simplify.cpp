// SPDX-License-Identifier: MIT
// Tests: mesh simplification.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/cluster_grid.h"
#include "geometry/tri_mesh.h"
#include "render/lighting.h"

namespace {

using Corners = std::vector<std::vector<int>>;

Corners corners(const TriMesh& mesh) {
    Corners all;
    for (const Triangle& t : mesh.triangles) all.push_back({t.index0, t.index1, t.index2});
    return all;
}

Vec3 positionOf(const Vertex& v) { return {v.x, v.y, v.z}; }

// A unit square in the z = 0 plane: two faces towards +z.
TriMesh square() {
    return TriMesh({Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(1, 1, 0), Vertex(0, 1, 0)},
                   {Triangle(0, 1, 2), Triangle(0, 2, 3)});
}

}  // namespace

TEST(ClusterGrid, KeyOrdersCellsByZThenYThenX) {
    ClusterGrid grid;
    grid.resolution = 3;
    grid.origin = {0, 0, 0};
    grid.cubeSize = 3;
    EXPECT_EQ(grid.cellKey({0.5f, 0.5f, 0.5f}), 0u);
    EXPECT_EQ(grid.cellKey({2.5f, 1.5f, 0.5f}), 5u);
    EXPECT_EQ(grid.cellKey({0.5f, 0.5f, 2.5f}), 18u);
    EXPECT_EQ(grid.cellKey({2.9f, 2.9f, 2.9f}), 26u);
    EXPECT_LT(grid.cellKey({2.5f, 2.5f, 0.5f}), grid.cellKey({0.5f, 0.5f, 1.5f}));
}

TEST(ClusterGrid, AveragesPositionsAndNormalsOfEachCell) {
    TriMesh mesh({Vertex(0, 0, 0), Vertex(0.5f, 0.2f, 0), Vertex(2.5f, 0, 0)}, {});
    mesh.vertices[0].nx = 1;
    mesh.vertices[1].ny = 1;
    ClusterGrid grid;
    grid.resolution = 3;
    grid.origin = {0, 0, 0};
    grid.cubeSize = 3;
    grid.assignVertices(mesh);
    ASSERT_EQ(grid.cellMembers.size(), 2u);
    EXPECT_EQ(grid.cellMembers.at(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(grid.cellMembers.at(2), (std::vector<int>{2}));

    grid.averageCells(mesh);
    const Vertex& merged = grid.cellVertices.at(0);
    EXPECT_FLOAT_EQ(merged.x, 0.25f);
    EXPECT_FLOAT_EQ(merged.y, 0.1f);
    EXPECT_FLOAT_EQ(merged.nx, 0.5f);
    EXPECT_FLOAT_EQ(merged.ny, 0.5f);
    EXPECT_EQ(merged.r + merged.g + merged.b, 3.0f);

    // Both fills start from empty maps.
    grid.assignVertices(TriMesh({Vertex(0, 0, 0)}, {}));
    EXPECT_EQ(grid.cellMembers.size(), 1u);
}

TEST(Simplify, ResolutionOneMergesEverythingIntoOneVertex) {
    TriMesh out;
    square().simplify(out, 1);
    ASSERT_EQ(out.vertices.size(), 1u);
    EXPECT_TRUE(out.triangles.empty());
    EXPECT_FLOAT_EQ(out.vertices[0].x, 0.5f);
    EXPECT_FLOAT_EQ(out.vertices[0].y, 0.5f);
}

TEST(Simplify, QuadInFourCellsIsKeptWithVerticesInCellOrder) {
    TriMesh out;
    square().simplify(out, 2);
    // Cells (x,y): (0,0) key 0, (1,0) key 1, (0,1) key 2, (1,1) key 3.
    ASSERT_EQ(out.vertices.size(), 4u);
    EXPECT_EQ(positionOf(out.vertices[0]), (Vec3{0, 0, 0}));
    EXPECT_EQ(positionOf(out.vertices[1]), (Vec3{1, 0, 0}));
    EXPECT_EQ(positionOf(out.vertices[2]), (Vec3{0, 1, 0}));
    EXPECT_EQ(positionOf(out.vertices[3]), (Vec3{1, 1, 0}));
    EXPECT_EQ(corners(out), (Corners{{0, 1, 3}, {0, 3, 2}}));
}

TEST(Simplify, VertexOrderDoesNotDependOnTheSource) {
    TriMesh shuffled({Vertex(1, 1, 0), Vertex(0, 1, 0), Vertex(1, 0, 0), Vertex(0, 0, 0)},
                     {Triangle(3, 2, 0), Triangle(3, 0, 1)});
    TriMesh out;
    shuffled.simplify(out, 2);
    EXPECT_EQ(positionOf(out.vertices[0]), (Vec3{0, 0, 0}));
    EXPECT_EQ(positionOf(out.vertices[3]), (Vec3{1, 1, 0}));
    EXPECT_EQ(corners(out), (Corners{{0, 1, 3}, {0, 3, 2}}));
}

TEST(Simplify, TriangleWithTwoCornersInOneCellStays) {
    TriMesh mesh = square();
    mesh.vertices[1].x = 0.3f;  // now in the cell of vertex 0
    TriMesh out;
    mesh.simplify(out, 2);
    ASSERT_EQ(out.vertices.size(), 3u);
    EXPECT_EQ(corners(out), (Corners{{0, 0, 2}, {0, 2, 1}}));
}

TEST(Simplify, RotatedRepeatsAreDroppedReversedOnesKept) {
    TriMesh mesh = square();
    mesh.triangles = {Triangle(0, 1, 2), Triangle(1, 2, 0), Triangle(2, 0, 1), Triangle(0, 2, 1),
                      Triangle(2, 1, 0)};
    TriMesh out;
    mesh.simplify(out, 2);
    EXPECT_EQ(corners(out), (Corners{{0, 1, 3}, {0, 3, 1}}));

    // Faces that only become equal after merging count the same way.
    TriMesh merged({Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(1, 1, 0), Vertex(0.9f, 0.1f, 0)},
                   {Triangle(0, 1, 2), Triangle(2, 0, 3)});
    merged.simplify(out, 2);
    EXPECT_EQ(corners(out), (Corners{{0, 1, 2}}));
}

TEST(Simplify, NormalsComeFromTheNewTriangles) {
    TriMesh mesh = square();
    for (Vertex& v : mesh.vertices) {
        v.nx = 5;
        v.ny = -3;
    }
    TriMesh out;
    mesh.simplify(out, 2);
    for (const Vertex& v : out.vertices) {
        EXPECT_FLOAT_EQ(v.nx, 0);
        EXPECT_FLOAT_EQ(v.ny, 0);
        EXPECT_FLOAT_EQ(v.nz, 1);
    }
}

TEST(Simplify, ResultTakesColourLightAndModeButNotTriangleState) {
    Lighting light;
    light.addLight({0, 0, -1}, {1, 1, 1});
    TriMesh mesh = square();
    mesh.color = {1, 0, 0};
    mesh.colorMode = TriangleColors;
    mesh.lighting = &light;
    mesh.boundsMin = {9, 9, 9};
    for (Triangle& t : mesh.triangles) {
        t.visible = false;
        t.r = 1;
    }
    TriMesh out;
    TriMesh& result = mesh.simplify(out, 2);
    EXPECT_EQ(&result, &out);
    EXPECT_EQ(mesh.boundsMin, (Vec3{0, 0, 0}));  // the source's bounds are refreshed
    EXPECT_EQ(out.color, (Vec3{1, 0, 0}));
    EXPECT_EQ(out.colorMode, TriangleColors);
    EXPECT_EQ(out.lighting, &light);
    ASSERT_EQ(out.faceDiffuse.size(), 2u);
    EXPECT_FLOAT_EQ(out.faceDiffuse[0].x, 0.7f);
    EXPECT_EQ(out.faceSpecular.size(), 2u);
    for (const Triangle& t : out.triangles) {
        EXPECT_TRUE(t.visible);
        EXPECT_EQ(t.r, 0);
    }
    for (const Vertex& v : out.vertices) EXPECT_EQ(v.r + v.g + v.b, 3.0f);
}

TEST(Simplify, MeshCanBeSimplifiedIntoItself) {
    TriMesh mesh = square();
    mesh.simplify(mesh, 2);
    EXPECT_EQ(corners(mesh), (Corners{{0, 1, 3}, {0, 3, 2}}));
}

TEST(Simplify, EmptySourceGivesEmptyResult) {
    TriMesh empty;
    empty.boundsMin = {3, 3, 3};
    TriMesh out = square();
    empty.simplify(out, 4);
    EXPECT_TRUE(out.vertices.empty());
    EXPECT_TRUE(out.triangles.empty());
    EXPECT_EQ(empty.boundsMin, (Vec3{3, 3, 3}));
}
