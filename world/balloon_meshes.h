// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "geometry/tri_mesh.h"

class Lighting;

// Reads the sphere and simplifies it into the three balloon meshes, finest
// first, with the back facets hidden and every fourth facet black.
std::vector<TriMesh> makeBalloonMeshes(const std::string& spherePath, const Lighting* light);
