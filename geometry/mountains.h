// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "geometry/height_kernel.h"
#include "geometry/tri_mesh.h"

class Lighting;

// One segment of the endless mountain strip: a jittered grid with a few
// mountains stamped from the shared height kernel.
class Mountains {
public:
    float meanSize = 8;
    float sizeSpread = 4;
    std::unique_ptr<TriMesh> mesh;
    std::shared_ptr<const HeightKernel> kernel;  // shared by every segment
    int cellsX = 50;
    int cellsZ = 30;
    float heightScale = 4;
    int stampCount = 10;
    Vec3 color;
    std::string kernelPath;

    Mountains(const Lighting* lighting, int cellsX, int cellsZ, float meanSize, float sizeSpread,
              float heightScale, float r, float g, float b, const std::string& kernelPath);
    virtual ~Mountains() = default;

    // A new segment with the same parameters and kernel and a fresh relief.
    std::unique_ptr<Mountains> makeSuccessor() const;
    void generate();

private:
    Mountains() = default;
};
