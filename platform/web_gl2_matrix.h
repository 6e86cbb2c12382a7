// SPDX-License-Identifier: MIT
// OpenGL's matrix stacks, kept on the processor for the browser's WebGL 2
// drawing: single precision and column-major, as desktop drivers keep them.
#pragma once

#include <array>
#include <vector>

using Mat4 = std::array<float, 16>;

Mat4 identityMatrix();
Mat4 multiplied(const Mat4& a, const Mat4& b);  // a x b
void translateMatrix(Mat4& m, float x, float y, float z);
void rotateMatrix(Mat4& m, float degrees, float x, float y, float z);
void scaleMatrix(Mat4& m, float x, float y, float z);
Mat4 frustumMatrix(float left, float right, float bottom, float top, float near, float far);
Mat4 orthoMatrix(float left, float right, float bottom, float top, float near, float far);

// The modelview, projection and texture stacks and the one glMatrixMode picks.
class MatrixStacks {
public:
    MatrixStacks();
    void select(unsigned int glMode);
    unsigned int selectedMode() const { return mode; }
    Mat4& top();  // the selected matrix; call changed() after writing it
    const Mat4& of(unsigned int glMode) const;
    void changed() { ++serial; }
    void push();
    void pop();
    // Projection x modelview, worked out again only after a change.
    const Mat4& modelViewProjection();

private:
    std::vector<Mat4>& stack(unsigned int glMode);
    std::vector<Mat4> modelView, projection, texture;
    unsigned int mode;
    unsigned long serial = 0, mvpSerial = ~0ul;
    Mat4 mvp{};
};

// The layer's own stacks, which the GL matrix calls work on.
MatrixStacks& glMatrices();
