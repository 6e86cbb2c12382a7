// SPDX-License-Identifier: MIT
// The matrix arithmetic of OpenGL 1.x: column-major, single precision, each
// call multiplying the current matrix on the right, as desktop drivers do.
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_matrix.h"

#include <cmath>

namespace {
constexpr unsigned int kModelView = 0x1700, kProjection = 0x1701, kTexture = 0x1702;
constexpr double kPi = 3.14159265358979323846;
}  // namespace

Mat4 identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Mat4 multiplied(const Mat4& a, const Mat4& b) {
    Mat4 r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            r[col * 4 + row] = a[row] * b[col * 4] + a[4 + row] * b[col * 4 + 1] +
                               a[8 + row] * b[col * 4 + 2] + a[12 + row] * b[col * 4 + 3];
    return r;
}

void translateMatrix(Mat4& m, float x, float y, float z) {
    for (int row = 0; row < 4; ++row)
        m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
}

void rotateMatrix(Mat4& m, float degrees, float x, float y, float z) {
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0) return;
    x /= length;
    y /= length;
    z /= length;
    const float radians = static_cast<float>(degrees * kPi / 180.0);
    const float s = std::sin(radians), c = std::cos(radians), k = 1 - c;
    // About the z axis (the game's every turn) the z row stays exactly 1,
    // as drivers keep it; the general form would round it.
    if (x == 0 && y == 0) {
        m = multiplied(m, {c, s * z, 0, 0, -s * z, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        return;
    }
    const Mat4 r{x * x * k + c,     y * x * k + z * s, x * z * k - y * s, 0,
                 x * y * k - z * s, y * y * k + c,     y * z * k + x * s, 0,
                 x * z * k + y * s, y * z * k - x * s, z * z * k + c,     0,
                 0,                 0,                 0,                 1};
    m = multiplied(m, r);
}

void scaleMatrix(Mat4& m, float x, float y, float z) {
    for (int row = 0; row < 4; ++row) {
        m[row] *= x;
        m[4 + row] *= y;
        m[8 + row] *= z;
    }
}

Mat4 frustumMatrix(float l, float r, float b, float t, float n, float f) {
    return {2 * n / (r - l),   0, 0, 0, 0, 2 * n / (t - b), 0, 0,
            (r + l) / (r - l), (t + b) / (t - b), -(f + n) / (f - n), -1,
            0, 0, -2 * f * n / (f - n), 0};
}

Mat4 orthoMatrix(float l, float r, float b, float t, float n, float f) {
    return {2 / (r - l), 0, 0, 0, 0, 2 / (t - b), 0, 0, 0, 0, -2 / (f - n), 0,
            -(r + l) / (r - l), -(t + b) / (t - b), -(f + n) / (f - n), 1};
}

MatrixStacks::MatrixStacks()
    : modelView{identityMatrix()},
      projection{identityMatrix()},
      texture{identityMatrix()},
      mode(kModelView) {}

std::vector<Mat4>& MatrixStacks::stack(unsigned int glMode) {
    if (glMode == kProjection) return projection;
    if (glMode == kTexture) return texture;
    return modelView;
}

void MatrixStacks::select(unsigned int glMode) {
    if (glMode == kModelView || glMode == kProjection || glMode == kTexture) mode = glMode;
}

Mat4& MatrixStacks::top() { return stack(mode).back(); }

const Mat4& MatrixStacks::of(unsigned int glMode) const {
    return const_cast<MatrixStacks*>(this)->stack(glMode).back();
}

void MatrixStacks::push() {
    std::vector<Mat4>& s = stack(mode);
    s.push_back(s.back());
}

// As in OpenGL, popping the last matrix of a stack is refused.
void MatrixStacks::pop() {
    std::vector<Mat4>& s = stack(mode);
    if (s.size() > 1) s.pop_back();
    changed();
}

const Mat4& MatrixStacks::modelViewProjection() {
    if (mvpSerial != serial) {
        mvp = multiplied(projection.back(), modelView.back());
        mvpSerial = serial;
    }
    return mvp;
}
#endif
