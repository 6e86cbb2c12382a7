// SPDX-License-Identifier: MIT
// Building one mountain segment from the kernel and noise.
#include "geometry/mountains.h"

#include <cmath>

#include "geometry/random.h"

namespace {

// For each vertex, the triangles that have it as a corner, in triangle
// order: start[v] .. start[v + 1] index into `triangles`.
struct CornerIndex {
    std::vector<int> start;
    std::vector<int> triangles;
};

CornerIndex buildCornerIndex(const TriMesh& mesh) {
    CornerIndex index;
    index.start.assign(mesh.vertices.size() + 1, 0);
    for (const Triangle& t : mesh.triangles) {
        for (int v : {t.index0, t.index1, t.index2}) ++index.start[v + 1];
    }
    for (size_t v = 1; v < index.start.size(); ++v) index.start[v] += index.start[v - 1];
    std::vector<int> fill(index.start.begin(), index.start.end() - 1);
    index.triangles.resize(mesh.triangles.size() * 3);
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        const Triangle& t = mesh.triangles[i];
        for (int v : {t.index0, t.index1, t.index2}) index.triangles[fill[v]++] = static_cast<int>(i);
    }
    return index;
}

// A footprint side: trunc(mean - spread/2 + spread * u), at least 1.
int footprintSide(float meanSize, float sizeSpread) {
    int side = static_cast<int>(meanSize - 0.5f * sizeSpread + sizeSpread * randUnit());
    return side < 1 ? 1 : side;
}

}  // namespace

Mountains::Mountains(const Lighting* lighting, int cellsX, int cellsZ, float meanSize,
                     float sizeSpread, float heightScale, float r, float g, float b,
                     const std::string& kernelPath)
    : meanSize(meanSize),
      sizeSpread(sizeSpread),
      mesh(std::make_unique<TriMesh>()),
      cellsX(cellsX),
      cellsZ(cellsZ),
      heightScale(heightScale),
      stampCount(10),
      color{r, g, b},
      kernelPath(kernelPath) {
    kernel = std::make_shared<const HeightKernel>(kernelPath);
    generate();
    mesh->lighting = lighting;
    mesh->computeFaceData();
    mesh->colorMode = MeshColor;
    mesh->color = color;
    // Only the first segment hides the slopes that face away from the viewer.
    mesh->hideFacing({0, 0, -1}, 0.1f);
}

std::unique_ptr<Mountains> Mountains::makeSuccessor() const {
    std::unique_ptr<Mountains> next(new Mountains());
    next->mesh = std::make_unique<TriMesh>();
    next->cellsX = cellsX;
    next->cellsZ = cellsZ;
    next->meanSize = meanSize;
    next->sizeSpread = sizeSpread;
    next->heightScale = heightScale;
    next->stampCount = stampCount;
    next->color = color;
    next->kernelPath = kernelPath;
    next->kernel = kernel;
    next->generate();
    next->mesh->colorMode = MeshColor;
    next->mesh->color = color;
    next->mesh->lighting = mesh ? mesh->lighting : nullptr;
    next->mesh->computeFaceData();
    return next;
}

void Mountains::generate() {
    const int nx = cellsX;
    const int nz = cellsZ;
    std::vector<Vertex>& vertices = mesh->vertices;
    std::vector<Triangle>& triangles = mesh->triangles;

    // Grid points, the interior ones jittered (draws in the order x, z, y).
    for (int i = 0; i <= nx; ++i) {
        for (int k = 0; k <= nz; ++k) {
            Vertex v(static_cast<float>(i), 0, -static_cast<float>(k));
            if (i != 0 && i != nx && k != 0 && k != nz) {
                v.x = static_cast<float>(i) + 0.6f * randUnit();
                v.z = -(static_cast<float>(k) + 0.6f * randUnit());
                v.y = 0.05f * randUnit();
            }
            v.r = color.x;
            v.g = color.y;
            v.b = color.z;
            vertices.push_back(v);
        }
    }

    // Two hidden triangles per cell, cell by cell with the depth row fastest.
    for (int j = 0; j < nx; ++j) {
        for (int s = 0; s < nz; ++s) {
            int p = j * (nz + 1) + s;
            int q = p + nz + 1;
            for (Triangle t : {Triangle(p + 1, p, q), Triangle(q + 1, p + 1, q)}) {
                t.visible = false;
                triangles.push_back(t);
            }
        }
    }

    // The same marking as scanning every triangle for the stamped corner.
    const CornerIndex corners = buildCornerIndex(*mesh);
    for (int m = 0; m < stampCount; ++m) {
        int sizeA = footprintSide(meanSize, sizeSpread);
        int sizeB = footprintSide(meanSize, sizeSpread);
        int offA = static_cast<int>(static_cast<float>(nx - sizeA) * randUnit()) + 1;
        int offB = static_cast<int>(static_cast<float>(nz - sizeB) * randUnit()) + 1;
        std::vector<float> heights = kernel ? kernel->resample(sizeA, sizeB)
                                            : std::vector<float>(sizeA * sizeB, 0.0f);
        for (int a = 0; a < sizeA; ++a) {
            for (int t = 0; t < sizeB; ++t) {
                float noise = 0.05f * randUnit();
                // A footprint larger than the grid (only with odd parameters)
                // loses its points outside; the draws stay the same.
                int column = offA + a;
                int row = offB + t;
                if (column < 0 || column > nx || row < 0 || row > nz) continue;
                int n = column * (nz + 1) + row;
                for (int k = corners.start[n]; k < corners.start[n + 1]; ++k) {
                    triangles[corners.triangles[k]].visible = true;
                }
                vertices[n].y += heights[a * sizeB + t] * heightScale + noise;
            }
        }
    }

    mesh->computeNormals();
}
