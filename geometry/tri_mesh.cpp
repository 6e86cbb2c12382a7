// SPDX-License-Identifier: MIT
// Triangle meshes: normals, areas and face data.
#include "geometry/tri_mesh.h"

#include <algorithm>
#include <utility>

#include "render/lighting.h"

namespace {

Vec3 positionOf(const Vertex& v) { return {v.x, v.y, v.z}; }

// (p1 - p0) x (p2 - p0), divided by its length unless that is zero.
Vec3 unitFaceNormal(Vec3 p0, Vec3 p1, Vec3 p2) {
    Vec3 n = cross(p1 - p0, p2 - p0);
    float len = length(n);
    if (len != 0) n = n / len;
    return n;
}

}  // namespace

// Every way a mesh is made (reading, generating, simplifying) keeps its
// triangles' corner indices inside the vertex list, so the operations below
// index without checks.

TriMesh::TriMesh(std::vector<Vertex> vertices, std::vector<Triangle> triangles)
    : vertices(std::move(vertices)), triangles(std::move(triangles)) {}

void TriMesh::normalizeToUnitSphere() {
    if (vertices.empty()) return;
    Vec3 sum;
    for (const Vertex& v : vertices) sum = sum + positionOf(v);
    Vec3 centroid = sum / static_cast<float>(vertices.size());

    float radius = length(positionOf(vertices[0]) - centroid);
    for (const Vertex& v : vertices) radius = std::max(radius, length(positionOf(v) - centroid));

    for (Vertex& v : vertices) {
        Vec3 p = positionOf(v) - centroid;
        // All vertices in one point: leave them at the centre rather than
        // divide by zero.
        if (radius != 0) p = p / radius;
        v.x = p.x;
        v.y = p.y;
        v.z = p.z;
    }
}

void TriMesh::computeNormals() {
    for (Vertex& v : vertices) v.nx = v.ny = v.nz = 0;
    for (const Triangle& t : triangles) {
        Vertex& v0 = vertices[t.index0];
        Vertex& v1 = vertices[t.index1];
        Vertex& v2 = vertices[t.index2];
        // Each face counts with a unit vector, whatever its area.
        Vec3 n = unitFaceNormal(positionOf(v0), positionOf(v1), positionOf(v2));
        for (Vertex* v : {&v0, &v1, &v2}) {
            v->nx += n.x;
            v->ny += n.y;
            v->nz += n.z;
        }
    }
    for (Vertex& v : vertices) {
        float len = length({v.nx, v.ny, v.nz});
        if (len == 0) continue;  // unused or only on degenerate faces
        v.nx /= len;
        v.ny /= len;
        v.nz /= len;
    }
}

void TriMesh::computeBounds() {
    if (vertices.empty()) return;
    Vec3 lo = positionOf(vertices[0]);
    Vec3 hi = lo;
    for (const Vertex& v : vertices) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    boundsMin = lo;
    extent = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
}

void TriMesh::computeFaceData() {
    size_t count = triangles.size();
    faceSpecular.resize(count);
    faceDiffuse.resize(count);
    faceNormals.resize(count);
    faceCentroids.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const Triangle& t = triangles[i];
        Vec3 p0 = positionOf(vertices[t.index0]);
        Vec3 p1 = positionOf(vertices[t.index1]);
        Vec3 p2 = positionOf(vertices[t.index2]);
        faceNormals[i] = unitFaceNormal(p0, p1, p2);
        faceCentroids[i] = (p0 + p1 + p2) / 3.0f;
        faceDiffuse[i] = lighting ? lighting->diffuseAt(faceNormals[i]) : Vec3{};
    }
}

void TriMesh::hideFacing(Vec3 direction, float threshold) {
    size_t count = std::min(triangles.size(), faceNormals.size());
    for (size_t i = 0; i < count; ++i) {
        if (dot(faceNormals[i], direction) > threshold) triangles[i].visible = false;
    }
}

void TriMesh::updateSpecular(Vec3 translation, Vec3 viewer) {
    if (!lighting) return;
    // Hidden triangles too: the term belongs to the face, not to its drawing.
    size_t count = std::min({faceSpecular.size(), faceNormals.size(), faceCentroids.size()});
    for (size_t i = 0; i < count; ++i) {
        faceSpecular[i] = lighting->specularAt(faceCentroids[i] + translation, faceNormals[i], viewer);
    }
}
