// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "geometry/vec3.h"
#include "geometry/vertex.h"

class TriMesh;

// The grid of one simplification: which source vertices share a cell, and
// their merged vertex.
struct ClusterGrid {
    unsigned int resolution = 1;
    Vec3 origin;
    float cubeSize = 1;
    std::map<std::uint32_t, std::vector<int>> cellMembers;
    std::map<std::uint32_t, Vertex> cellVertices;

    std::uint32_t cellKey(Vec3 position) const;
    void assignVertices(const TriMesh& mesh);
    void averageCells(const TriMesh& mesh);
};
