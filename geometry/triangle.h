// SPDX-License-Identifier: MIT
#pragma once

// A triangle's face normal is (p1 - p0) x (p2 - p0): counter-clockwise
// corners seen from outside point it outwards.
class Triangle {
public:
    bool visible = true;
    int index0 = 0, index1 = 0, index2 = 0;
    float r = 0, g = 0, b = 0;

    Triangle() = default;
    Triangle(int i0, int i1, int i2) : index0(i0), index1(i1), index2(i2) {}
    virtual ~Triangle() = default;
};
