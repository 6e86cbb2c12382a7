// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "geometry/triangle.h"
#include "geometry/vec3.h"
#include "geometry/vertex.h"

class Lighting;

enum ColorMode : int {
    MeshColor = 0,
    VertexColors = 1,
    TriangleColors = 2,
    White = 3,
};

// The one triangle mesh of the game: balloons and mountain segments.
// A plain value type; copies share the (unowned) lighting.
class TriMesh {
public:
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    Vec3 boundsMin;
    float extent = 0;
    Vec3 color{1, 1, 1};
    int colorMode = White;
    const Lighting* lighting = nullptr;
    std::vector<Vec3> faceSpecular;
    std::vector<Vec3> faceDiffuse;
    std::vector<Vec3> faceNormals;
    std::vector<Vec3> faceCentroids;

    TriMesh() = default;
    TriMesh(std::vector<Vertex> vertices, std::vector<Triangle> triangles);

    // Reads the OBJ subset; false when the file cannot be opened.
    bool load(const std::string& path);
    void normalizeToUnitSphere();
    void computeNormals();
    void computeBounds();
    void computeFaceData();
    void hideFacing(Vec3 direction, float threshold);
    // Vertex clustering on a resolution^3 grid over the bounding cube.
    TriMesh& simplify(TriMesh& out, int resolution);

    void updateSpecular(Vec3 translation, Vec3 viewer);
    // Drawing lives with the renderer (render/lit_mesh.cpp).
    void drawLit(Vec3 translation, Vec3 viewer);
};
