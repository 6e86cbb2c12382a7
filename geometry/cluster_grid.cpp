// SPDX-License-Identifier: MIT
// Mesh simplification by clustering vertices on a grid.
#include "geometry/cluster_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "geometry/tri_mesh.h"

namespace {

// Cell of one coordinate. Real positions lie at least 0.1 inside the cube,
// so this is 0..N-1 already; the clamp keeps NaN, infinities and rounding at
// huge extents from overflowing the conversion.
unsigned int cellIndex(float position, float origin, float cubeSize, unsigned int n) {
    float c = (position - origin) / cubeSize * static_cast<float>(n);
    if (!(c >= 0)) return 0;
    if (c >= static_cast<float>(n)) return n - 1;
    return static_cast<unsigned int>(c);
}

// One term of the key: n^power * cell in double, then unsigned 32 bits
// (through 64 bits, so a too large value wraps instead of overflowing).
std::uint32_t keyTerm(unsigned int n, int power, unsigned int cell) {
    double value = std::pow(static_cast<double>(n), power) * cell;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(value));
}

// The same corners in the same cyclic order give the same rotation: the
// smallest of the three.
std::array<int, 3> cyclicForm(int a, int b, int c) {
    return std::min({std::array<int, 3>{a, b, c}, std::array<int, 3>{b, c, a},
                     std::array<int, 3>{c, a, b}});
}

}  // namespace

std::uint32_t ClusterGrid::cellKey(Vec3 position) const {
    unsigned int n = std::max(resolution, 1u);
    unsigned int cx = cellIndex(position.x, origin.x, cubeSize, n);
    unsigned int cy = cellIndex(position.y, origin.y, cubeSize, n);
    unsigned int cz = cellIndex(position.z, origin.z, cubeSize, n);
    return keyTerm(n, 0, cx) + keyTerm(n, 1, cy) + keyTerm(n, 2, cz);
}

void ClusterGrid::assignVertices(const TriMesh& mesh) {
    cellMembers.clear();
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vertex& v = mesh.vertices[i];
        cellMembers[cellKey({v.x, v.y, v.z})].push_back(static_cast<int>(i));
    }
}

void ClusterGrid::averageCells(const TriMesh& mesh) {
    cellVertices.clear();
    for (const auto& [key, members] : cellMembers) {
        Vec3 position;
        Vec3 normal;
        for (int i : members) {
            const Vertex& v = mesh.vertices[i];
            position = position + Vec3{v.x, v.y, v.z};
            normal = normal + Vec3{v.nx, v.ny, v.nz};
        }
        float count = static_cast<float>(members.size());
        position = position / count;
        normal = normal / count;
        Vertex merged(position.x, position.y, position.z);
        merged.nx = normal.x;
        merged.ny = normal.y;
        merged.nz = normal.z;
        merged.r = merged.g = merged.b = 1;
        cellVertices.emplace(key, merged);
    }
}

TriMesh& TriMesh::simplify(TriMesh& out, int resolution) {
    computeBounds();

    ClusterGrid grid;
    grid.resolution = static_cast<unsigned int>(std::max(resolution, 1));
    grid.origin = boundsMin - Vec3{0.1f, 0.1f, 0.1f};
    grid.cubeSize = extent + 0.2f;
    grid.assignVertices(*this);
    grid.averageCells(*this);

    // Merged vertices in ascending cell order; each source vertex learns the
    // new index of its cell.
    std::vector<Vertex> newVertices;
    std::vector<int> newIndexOf(vertices.size());
    for (const auto& [key, members] : grid.cellMembers) {
        int index = static_cast<int>(newVertices.size());
        for (int i : members) newIndexOf[i] = index;
        newVertices.push_back(grid.cellVertices.at(key));
    }

    std::vector<Triangle> newTriangles;
    std::set<std::array<int, 3>> kept;
    const int sourceCount = static_cast<int>(vertices.size());
    for (const Triangle& t : triangles) {
        if (std::max({t.index0, t.index1, t.index2}) >= sourceCount ||
            std::min({t.index0, t.index1, t.index2}) < 0) {
            continue;
        }
        int a = newIndexOf[t.index0];
        int b = newIndexOf[t.index1];
        int c = newIndexOf[t.index2];
        if (a == b && b == c) continue;  // fell into one cell
        // Rotations of a kept triangle repeat it; the reversed order is a
        // different face.
        if (!kept.insert(cyclicForm(a, b, c)).second) continue;
        newTriangles.emplace_back(a, b, c);
    }

    // Read before out is replaced: out may be this mesh.
    Vec3 sourceColor = color;
    const Lighting* sourceLighting = lighting;
    int sourceMode = colorMode;

    out = TriMesh(std::move(newVertices), std::move(newTriangles));
    out.computeNormals();
    out.color = sourceColor;
    out.lighting = sourceLighting;
    out.computeFaceData();
    out.colorMode = sourceMode;
    return out;
}
