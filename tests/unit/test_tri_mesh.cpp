// SPDX-License-Identifier: MIT
// Tests: triangle meshes.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/tri_mesh.h"
#include "render/lighting.h"

namespace {

Vertex at(float x, float y, float z) { return Vertex(x, y, z); }

void expectVec(Vec3 actual, Vec3 expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 normalOf(const Vertex& v) { return {v.nx, v.ny, v.nz}; }

}  // namespace

TEST(TriMesh, DefaultsAndConstructionFromLists) {
    TriMesh empty;
    EXPECT_EQ(empty.colorMode, White);
    EXPECT_EQ(empty.color, (Vec3{1, 1, 1}));
    EXPECT_EQ(empty.lighting, nullptr);

    TriMesh mesh({at(0, 0, 0), at(1, 0, 0), at(0, 1, 0)}, {Triangle(0, 1, 2)});
    EXPECT_EQ(mesh.vertices.size(), 3u);
    EXPECT_EQ(mesh.triangles.size(), 1u);
    EXPECT_TRUE(mesh.faceNormals.empty());
    EXPECT_EQ(mesh.extent, 0);
}

TEST(TriMesh, VertexNormalsAverageUnitFaceNormalsWhateverTheArea) {
    // A large face in the floor (normal +y) and a tiny one in the wall
    // (normal +z) meet at vertex 0.
    TriMesh mesh({at(0, 0, 0), at(0, 0, -100), at(100, 0, 0), at(0.01f, 0, 0), at(0, 0.01f, 0),
                  at(5, 5, 5)},
                 {Triangle(0, 2, 1), Triangle(0, 3, 4)});
    mesh.computeNormals();
    float k = std::sqrt(0.5f);
    expectVec(normalOf(mesh.vertices[0]), {0, k, k});
    expectVec(normalOf(mesh.vertices[1]), {0, 1, 0});
    expectVec(normalOf(mesh.vertices[4]), {0, 0, 1});
    // No triangle uses vertex 5.
    expectVec(normalOf(mesh.vertices[5]), {0, 0, 0}, 0);
}

TEST(TriMesh, ZeroAreaTriangleAddsNothing) {
    TriMesh mesh({at(0, 0, 0), at(1, 0, 0), at(2, 0, 0), at(0, 1, 0)},
                 {Triangle(0, 1, 2), Triangle(0, 1, 3)});
    mesh.computeNormals();
    expectVec(normalOf(mesh.vertices[0]), {0, 0, 1});
    expectVec(normalOf(mesh.vertices[2]), {0, 0, 0}, 0);

    Lighting light;
    light.addLight({0, 0, -1}, {1, 1, 1});
    mesh.lighting = &light;
    mesh.computeFaceData();
    expectVec(mesh.faceNormals[0], {0, 0, 0}, 0);
    expectVec(mesh.faceDiffuse[0], {0, 0, 0}, 0);
    expectVec(mesh.faceNormals[1], {0, 0, 1});
    expectVec(mesh.faceDiffuse[1], {0.7f, 0.7f, 0.7f});
}

TEST(TriMesh, NormalsAreRecomputedFromScratch) {
    TriMesh mesh({at(0, 0, 0), at(1, 0, 0), at(0, 1, 0), at(9, 9, 9)}, {Triangle(0, 1, 2)});
    mesh.vertices[3].nx = 3;
    mesh.vertices[0].ny = 7;
    mesh.computeNormals();
    expectVec(normalOf(mesh.vertices[0]), {0, 0, 1});
    expectVec(normalOf(mesh.vertices[3]), {0, 0, 0}, 0);
}

TEST(TriMesh, BoundsAndExtent) {
    TriMesh mesh({at(1, -2, 3), at(4, 0, 3.5f), at(2, 5, -1)}, {});
    mesh.computeBounds();
    expectVec(mesh.boundsMin, {1, -2, -1}, 0);
    EXPECT_EQ(mesh.extent, 7);

    TriMesh empty;
    empty.boundsMin = {4, 4, 4};
    empty.extent = 3;
    empty.computeBounds();
    EXPECT_EQ(empty.extent, 3);
    EXPECT_EQ(empty.boundsMin.x, 4);
}

TEST(TriMesh, FaceDataHasOneEntryPerTriangle) {
    Lighting light;
    light.addLight({0, -1, 0}, {1, 0.5f, 0.25f});
    TriMesh mesh({at(0, 0, 0), at(0, 0, -3), at(3, 0, 0), at(0, 3, 0)},
                 {Triangle(0, 2, 1), Triangle(0, 2, 3)});
    mesh.lighting = &light;
    mesh.computeFaceData();
    ASSERT_EQ(mesh.faceNormals.size(), 2u);
    ASSERT_EQ(mesh.faceCentroids.size(), 2u);
    ASSERT_EQ(mesh.faceDiffuse.size(), 2u);
    ASSERT_EQ(mesh.faceSpecular.size(), 2u);
    expectVec(mesh.faceNormals[0], {0, 1, 0});
    expectVec(mesh.faceCentroids[0], {1, 0, -1});
    expectVec(mesh.faceDiffuse[0], {0.7f, 0.35f, 0.175f});
    expectVec(mesh.faceNormals[1], {0, 0, 1});
    expectVec(mesh.faceDiffuse[1], {0, 0, 0});
    expectVec(mesh.faceSpecular[1], {0, 0, 0}, 0);

    // A dropped triangle shrinks the arrays on the next call.
    mesh.triangles.pop_back();
    mesh.computeFaceData();
    EXPECT_EQ(mesh.faceNormals.size(), 1u);
    EXPECT_EQ(mesh.faceSpecular.size(), 1u);
}

TEST(TriMesh, HideFacingHidesOnlyFacesTurnedAway) {
    TriMesh mesh({at(0, 0, 0)}, std::vector<Triangle>(5, Triangle(0, 0, 0)));
    mesh.faceNormals = {{0, 0, -1}, {0, 0.6f, -0.8f}, {0, 0, -0.1f}, {1, 0, 0}, {0, 0, 1}};
    mesh.triangles[4].visible = false;
    mesh.hideFacing({0, 0, -1}, 0.1f);
    EXPECT_FALSE(mesh.triangles[0].visible);
    EXPECT_FALSE(mesh.triangles[1].visible);
    EXPECT_TRUE(mesh.triangles[2].visible);
    EXPECT_TRUE(mesh.triangles[3].visible);
    // It never shows a hidden face.
    EXPECT_FALSE(mesh.triangles[4].visible);
}

TEST(TriMesh, UpdateSpecularUsesTheTranslatedCentroidForEveryTriangle) {
    Lighting light;
    light.addLight({0, 0, -1}, {1, 1, 1});
    // Two faces facing the viewer, one of them hidden.
    TriMesh mesh({at(0, 0, 0), at(1, 0, 0), at(0, 1, 0)}, {Triangle(0, 1, 2), Triangle(0, 1, 2)});
    mesh.triangles[1].visible = false;
    mesh.lighting = &light;
    mesh.computeFaceData();

    // Viewer straight in front of the translated centroid: s = 1.
    Vec3 translation{10, 20, 0};
    Vec3 centroid = mesh.faceCentroids[0] + translation;
    mesh.updateSpecular(translation, centroid + Vec3{0, 0, 5});
    expectVec(mesh.faceSpecular[0], {1, 1, 1});
    expectVec(mesh.faceSpecular[1], {1, 1, 1});

    // Viewer off to the side: s drops below 1.
    mesh.updateSpecular(translation, centroid + Vec3{5, 0, 5});
    float s = std::cos(std::atan(1.0f) / 2);  // H is 22.5 degrees from +z
    EXPECT_NEAR(mesh.faceSpecular[0].x, std::pow(s, 11.0f), 1e-5f);

    TriMesh unlit = mesh;
    unlit.lighting = nullptr;
    unlit.faceSpecular[0] = {7, 7, 7};
    unlit.updateSpecular(translation, centroid);
    EXPECT_EQ(unlit.faceSpecular[0].x, 7);
}

TEST(TriMesh, CopiesShareTheLighting) {
    Lighting light;
    TriMesh mesh({at(0, 0, 0), at(1, 0, 0), at(0, 1, 0)}, {Triangle(0, 1, 2)});
    mesh.lighting = &light;
    mesh.computeFaceData();
    TriMesh copy = mesh;
    copy.triangles[0].visible = false;
    EXPECT_EQ(copy.lighting, &light);
    EXPECT_TRUE(mesh.triangles[0].visible);
    EXPECT_EQ(copy.faceNormals.size(), 1u);
}
