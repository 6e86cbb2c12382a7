// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the OBJ reader, then runs everything the game
// does with the sphere: light terms, the three simplifications, the facing
// cull and the view-dependent term.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input_file.h"
#include "geometry/tri_mesh.h"
#include "render/lighting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = writeFuzzInput(data, size);

    static Lighting light = [] {
        Lighting l;
        l.addLight({0.57735f, -0.57735f, -0.57735f}, {1, 1, 1});
        l.ambient = {1, 1, 1};
        l.ambientIntensity = 0.5f;
        return l;
    }();

    TriMesh sphere;
    sphere.load(path);
    sphere.color = {1, 0, 0};
    sphere.colorMode = TriangleColors;
    sphere.lighting = &light;
    sphere.computeFaceData();
    for (int resolution : {5, 3, 1}) {
        TriMesh balloon;
        sphere.simplify(balloon, resolution);
        balloon.hideFacing({0, 0, -1}, 0.1f);
        balloon.updateSpecular({1, 2, 0}, {0, 0, 10});
    }
    sphere.updateSpecular({0, 0, 0}, {0, 0, 0});
    return 0;
}
