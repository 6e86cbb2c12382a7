// SPDX-License-Identifier: MIT
#pragma once

class Vertex {
public:
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    float r = 0, g = 0, b = 0;

    Vertex() = default;
    Vertex(float x, float y, float z) : x(x), y(y), z(z) {}
    virtual ~Vertex() = default;
};
