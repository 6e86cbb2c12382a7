// SPDX-License-Identifier: MIT
// The few OpenGL and GLUT calls the game makes that Emscripten's legacy GL
// emulation and GLUT lack (browser build only).
#ifdef __EMSCRIPTEN__
#include <GL/gl.h>
#include <GL/glut.h>
#include <emscripten.h>

#include <vector>

extern "C" {
// The emulation keeps its matrices in single precision, as desktop drivers do.
void glGetDoublev(GLenum name, GLdouble* values) {
    GLfloat single[16] = {};
    glGetFloatv(name, single);
    const int count = name == GL_MODELVIEW_MATRIX || name == GL_PROJECTION_MATRIX ||
                              name == GL_TEXTURE_MATRIX ? 16 : 1;
    for (int i = 0; i < count; ++i) values[i] = single[i];
}

// WebGL cannot read a texture back. Only the caching drawing paths do, and
// they are not taken on an OpenGL ES context (render/draw_path.cpp): this is
// never called there, and would leave `pixels` as it is.
void glGetTexImage(GLenum, GLint, GLenum, GLenum, void*) {}

// The state stack serves only the caching paths' own draws, which the
// browser never takes either (see above).
void glPushAttrib(GLbitfield) {}
void glPopAttrib() {}

// The emulation builds each vertex of a glBegin/glEnd block from the calls
// made since the vertex before, so every vertex must come with the same
// attributes: a colour set once for a face of three vertices, or a normal set
// outside the block, would shift the data of all that follow. So a block is
// gathered here, each vertex with the colour, normal and texture coordinate
// current at its glVertex, as OpenGL keeps them, and handed over whole at
// glEnd with every attribute any of its vertices was given.
void emscripten_glBegin(GLenum mode);
void emscripten_glEnd();
void emscripten_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void emscripten_glNormal3f(GLfloat x, GLfloat y, GLfloat z);
void emscripten_glTexCoord2f(GLfloat s, GLfloat t);
void emscripten_glVertex3f(GLfloat x, GLfloat y, GLfloat z);
void emscripten_glEnable(GLenum capability);
void emscripten_glDisable(GLenum capability);
void emscripten_glBindTexture(GLenum target, GLuint texture);
}

namespace {
struct BlockVertex {
    GLfloat position[3];
    GLfloat color[4];
    GLfloat normal[3];
    GLfloat texCoord[2];
};

struct Block {
    bool open = false;
    GLenum mode = 0;
    bool colored = false, normals = false, textured = false;
    std::vector<BlockVertex> vertices;
};

Block block;
// With texturing on and no texture bound, OpenGL draws untextured; WebGL
// samples the missing texture as black. The lit meshes are drawn so.
bool texturing = false;
GLuint boundTexture = 0;
GLfloat currentColor[4] = {1, 1, 1, 1};
GLfloat currentNormal[3] = {0, 0, 1};
GLfloat currentTexCoord[2] = {0, 0};

void addVertex(GLfloat x, GLfloat y, GLfloat z) {
    BlockVertex v{{x, y, z},
                  {currentColor[0], currentColor[1], currentColor[2], currentColor[3]},
                  {currentNormal[0], currentNormal[1], currentNormal[2]},
                  {currentTexCoord[0], currentTexCoord[1]}};
    block.vertices.push_back(v);
}
}  // namespace

extern "C" {
void glBegin(GLenum mode) {
    block.open = true;
    block.mode = mode;
    block.colored = block.normals = block.textured = false;
    block.vertices.clear();
}

void glEnd() {
    block.open = false;
    if (block.vertices.empty()) return;
    const bool untextured = texturing && boundTexture == 0;
    if (untextured) emscripten_glDisable(GL_TEXTURE_2D);
    emscripten_glBegin(block.mode);
    for (const BlockVertex& v : block.vertices) {
        if (block.colored) emscripten_glColor4f(v.color[0], v.color[1], v.color[2], v.color[3]);
        if (block.normals) emscripten_glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
        if (block.textured) emscripten_glTexCoord2f(v.texCoord[0], v.texCoord[1]);
        emscripten_glVertex3f(v.position[0], v.position[1], v.position[2]);
    }
    emscripten_glEnd();
    if (untextured) emscripten_glEnable(GL_TEXTURE_2D);
    // The last colour stays current after the block, as in OpenGL.
    if (block.colored)
        emscripten_glColor4f(currentColor[0], currentColor[1], currentColor[2], currentColor[3]);
}

void glEnable(GLenum capability) {
    if (capability == GL_TEXTURE_2D) texturing = true;
    emscripten_glEnable(capability);
}

void glDisable(GLenum capability) {
    if (capability == GL_TEXTURE_2D) texturing = false;
    emscripten_glDisable(capability);
}

void glBindTexture(GLenum target, GLuint texture) {
    if (target == GL_TEXTURE_2D) boundTexture = texture;
    emscripten_glBindTexture(target, texture);
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    currentColor[0] = r;
    currentColor[1] = g;
    currentColor[2] = b;
    currentColor[3] = a;
    if (block.open) block.colored = true;
    else emscripten_glColor4f(r, g, b, a);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) { glColor4f(r, g, b, 1); }

void glColor4fv(const GLfloat* c) { glColor4f(c[0], c[1], c[2], c[3]); }

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    currentNormal[0] = x;
    currentNormal[1] = y;
    currentNormal[2] = z;
    if (block.open) block.normals = true;
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    currentTexCoord[0] = s;
    currentTexCoord[1] = t;
    if (block.open) block.textured = true;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { addVertex(x, y, z); }

void glVertex2f(GLfloat x, GLfloat y) { addVertex(x, y, 0); }

void glutSetWindowTitle(const char* title) {
    EM_ASM({ document.title = UTF8ToString($0); }, title);
}
}
#endif
