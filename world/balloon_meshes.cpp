// SPDX-License-Identifier: MIT
// The three balloon meshes, simplified from the sphere model.
#include "world/balloon_meshes.h"

std::vector<TriMesh> makeBalloonMeshes(const std::string& spherePath, const Lighting* light) {
    TriMesh source;
    source.load(spherePath);
    source.color = {1, 0, 0};
    source.colorMode = TriangleColors;
    source.lighting = light;
    source.computeFaceData();

    std::vector<TriMesh> meshes;
    for (int resolution : {5, 4, 3}) {
        TriMesh mesh;
        source.simplify(mesh, resolution);
        // Facets turned away from the viewer are never seen.
        mesh.hideFacing({0, 0, -1}, 0.1f);
        for (std::size_t i = 0; i < mesh.triangles.size(); ++i) {
            const float shade = i % 4 == 0 ? 0.0f : 1.0f;
            mesh.triangles[i].r = mesh.triangles[i].g = mesh.triangles[i].b = shade;
        }
        meshes.push_back(std::move(mesh));
    }
    return meshes;
}
