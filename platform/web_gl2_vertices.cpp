// SPDX-License-Identifier: MIT
// The OpenGL 1.x vertex and matrix calls of the browser's WebGL 2 layer:
// each vertex is taken to clip space here with the matrices of its moment
// and gathered with the colour and texture coordinate current at it.
#ifdef __EMSCRIPTEN__
#include <GL/gl.h>

#include "platform/web_gl2_batch.h"
#include "platform/web_gl2_matrix.h"
#include "platform/web_gl2_state.h"

namespace {
GlCurrent current;

void vertex(float x, float y, float z) {
    const Mat4& m = glMatrices().modelViewProjection();
    const float* c = current.colour;
    BatchVertex v{{m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                   m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]},
                  {c[0], c[1], c[2], c[3]},
                  {current.texCoord[0], current.texCoord[1]}};
    batchVertex(v);
}

void multiply(const Mat4& by) {
    MatrixStacks& stacks = glMatrices();
    stacks.top() = multiplied(stacks.top(), by);
    stacks.changed();
}
}  // namespace

GlCurrent& glCurrent() { return current; }

MatrixStacks& glMatrices() {
    static MatrixStacks stacks;
    return stacks;
}

extern "C" {
void glBegin(GLenum mode) { batchBegin(mode, drawStateOf(glSettings())); }
void glEnd() { batchEnd(); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { vertex(x, y, z); }
void glVertex2f(GLfloat x, GLfloat y) { vertex(x, y, 0); }

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    current.colour[0] = r;
    current.colour[1] = g;
    current.colour[2] = b;
    current.colour[3] = a;
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { glColor4f(r, g, b, 1); }
void glColor4fv(const GLfloat* c) { glColor4f(c[0], c[1], c[2], c[3]); }

void glTexCoord2f(GLfloat s, GLfloat t) {
    current.texCoord[0] = s;
    current.texCoord[1] = t;
}

// Normals serve OpenGL's lighting, which the game never turns on: it lights
// its meshes itself (render/lighting.cpp) and only ever disables GL_LIGHTING.
void glNormal3f(GLfloat, GLfloat, GLfloat) {}

void glMatrixMode(GLenum mode) { glMatrices().select(mode); }

void glLoadIdentity() {
    glMatrices().top() = identityMatrix();
    glMatrices().changed();
}

void glPushMatrix() { glMatrices().push(); }
void glPopMatrix() { glMatrices().pop(); }

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    translateMatrix(glMatrices().top(), x, y, z);
    glMatrices().changed();
}

void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
    rotateMatrix(glMatrices().top(), degrees, x, y, z);
    glMatrices().changed();
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    scaleMatrix(glMatrices().top(), x, y, z);
    glMatrices().changed();
}

// Kept in single precision, as desktop drivers keep their matrices.
void glMultMatrixd(const GLdouble* m) {
    Mat4 single;
    for (int i = 0; i < 16; ++i) single[i] = static_cast<float>(m[i]);
    multiply(single);
}

void glMultMatrixf(const GLfloat* m) {
    Mat4 single;
    for (int i = 0; i < 16; ++i) single[i] = m[i];
    multiply(single);
}

void glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    multiply(frustumMatrix(static_cast<float>(l), static_cast<float>(r), static_cast<float>(b),
                           static_cast<float>(t), static_cast<float>(n), static_cast<float>(f)));
}

void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    multiply(orthoMatrix(static_cast<float>(l), static_cast<float>(r), static_cast<float>(b),
                         static_cast<float>(t), static_cast<float>(n), static_cast<float>(f)));
}
}
#endif
