// SPDX-License-Identifier: MIT
// The OpenGL 1.x state, query and texture calls of the browser's WebGL 2
// layer. Draw state is only noted here and sent with the next draw; what
// acts at once (a clear, a read, a change to a texture) first draws what
// has been gathered, so everything happens in the game's order.
#ifdef __EMSCRIPTEN__
#include <GL/gl.h>

#include <string>

#include "platform/web_gl2_batch.h"
#include "platform/web_gl2_matrix.h"
#include "platform/web_gl2_state.h"
#include "platform/web_gl2_textures.h"

extern "C" {
void emscripten_glEnable(GLenum capability);
void emscripten_glDisable(GLenum capability);
void emscripten_glClear(GLbitfield mask);
void emscripten_glGetFloatv(GLenum name, GLfloat* values);
void emscripten_glGetIntegerv(GLenum name, GLint* values);
const GLubyte* emscripten_glGetString(GLenum name);
void emscripten_glTexParameteri(GLenum target, GLenum name, GLint value);
void emscripten_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const void* pixels);
void emscripten_glDeleteTextures(GLsizei count, const GLuint* textures);
void emscripten_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                             GLenum type, void* pixels);
void emscripten_glCopyTexSubImage2D(GLenum target, GLint level, GLint xOffset, GLint yOffset,
                                    GLint x, GLint y, GLsizei width, GLsizei height);
}

namespace {
// Before a texture changes, the draws that use it as it was.
void syncForTexture() {
    flushBatch();
    bindTextureForObjectCall(glSettings().boundTexture);
}

bool* flagOf(GLenum capability) {
    GlSettings& s = glSettings();
    switch (capability) {
        case GL_TEXTURE_2D: return &s.texturing;
        case GL_BLEND: return &s.blend;
        case GL_DEPTH_TEST: return &s.depthTest;
        case GL_SCISSOR_TEST: return &s.scissorTest;
        default: return nullptr;
    }
}

void setCapability(GLenum capability, bool on) {
    if (bool* flag = flagOf(capability)) {
        *flag = on;
    } else if (capability != GL_LIGHTING) {
        // The game lights its meshes itself (render/lighting.cpp).
        syncContext();
        if (on) emscripten_glEnable(capability);
        else emscripten_glDisable(capability);
    }
}

// Matrices, the viewport and the clear values are the layer's own; other
// values the context's.
template <typename T>
bool answerOwn(GLenum name, T* values) {
    switch (name) {
        case GL_MODELVIEW_MATRIX:
        case GL_PROJECTION_MATRIX:
        case GL_TEXTURE_MATRIX: {
            const GLenum mode = name == GL_MODELVIEW_MATRIX ? GL_MODELVIEW
                                : name == GL_PROJECTION_MATRIX ? GL_PROJECTION : GL_TEXTURE;
            const Mat4& m = glMatrices().of(mode);
            for (int i = 0; i < 16; ++i) values[i] = static_cast<T>(m[i]);
            return true;
        }
        case GL_VIEWPORT:
            for (int i = 0; i < 4; ++i) values[i] = static_cast<T>(glSettings().viewport[i]);
            return true;
        case GL_COLOR_CLEAR_VALUE:
            for (int i = 0; i < 4; ++i) values[i] = static_cast<T>(glSettings().clearColour[i]);
            return true;
        case GL_DEPTH_CLEAR_VALUE:
            values[0] = static_cast<T>(glSettings().clearDepth);
            return true;
        case GL_MATRIX_MODE:
            values[0] = static_cast<T>(glMatrices().selectedMode());
            return true;
        default:
            return false;
    }
}
}  // namespace

extern "C" {
void glEnable(GLenum capability) { setCapability(capability, true); }
void glDisable(GLenum capability) { setCapability(capability, false); }
void glBindTexture(GLenum, GLuint texture) { glSettings().boundTexture = texture; }

void glTexEnvi(GLenum, GLenum name, GLint value) {
    if (name == GL_TEXTURE_ENV_MODE) glSettings().envMode = static_cast<unsigned int>(value);
}

void glBlendFunc(GLenum source, GLenum destination) {
    glSettings().blendSource = source;
    glSettings().blendDestination = destination;
}

void glDepthFunc(GLenum func) { glSettings().depthFunc = func; }
void glDepthMask(GLboolean writes) { glSettings().depthWrites = writes != GL_FALSE; }

void glColorMask(GLboolean r, GLboolean g, GLboolean b, GLboolean a) {
    glSettings().colourMask = (r ? 1u : 0u) | (g ? 2u : 0u) | (b ? 4u : 0u) | (a ? 8u : 0u);
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    glSettings().viewport = {x, y, width, height};
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    glSettings().scissorBox = {x, y, width, height};
}

// WebGL draws filled polygons, smoothly shaded: the game asks for nothing else.
void glPolygonMode(GLenum, GLenum) {}
void glShadeModel(GLenum) {}

void glClear(GLbitfield mask) {
    syncContext();
    emscripten_glClear(mask);
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* pixels) {
    syncContext();
    emscripten_glReadPixels(x, y, width, height, format, type, pixels);
}

void glGetFloatv(GLenum name, GLfloat* values) {
    if (answerOwn(name, values)) return;
    syncContext();
    emscripten_glGetFloatv(name, values);
}

void glGetDoublev(GLenum name, GLdouble* values) {
    if (answerOwn(name, values)) return;
    GLfloat single[16] = {};
    glGetFloatv(name, single);
    values[0] = single[0];
}

void glGetIntegerv(GLenum name, GLint* values) {
    if (answerOwn(name, values)) return;
    syncContext();
    emscripten_glGetIntegerv(name, values);
}

// WebGL 2 repeats and mipmaps pictures of any size, as the desktop's
// extension of this name does: the image library keeps their own sizes.
const GLubyte* glGetString(GLenum name) {
    if (name != GL_EXTENSIONS) return emscripten_glGetString(name);
    static const std::string extensions =
        reinterpret_cast<const char*>(emscripten_glGetString(GL_EXTENSIONS)) +
        std::string(" GL_ARB_texture_non_power_of_two");
    return reinterpret_cast<const GLubyte*>(extensions.c_str());
}

void glTexParameteri(GLenum target, GLenum name, GLint value) {
    syncForTexture();
    // The image library asks for GL_CLAMP, which WebGL lacks; the game sets
    // its own wrapping straight after.
    if (value == GL_CLAMP) value = GL_CLAMP_TO_EDGE;
    emscripten_glTexParameteri(target, name, value);
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                  GLsizei height, GLint border, GLenum format, GLenum type, const void* pixels) {
    syncForTexture();
    if (level == 0) recordTexture(glSettings().boundTexture, width, height, format);
    // WebGL has no BGRA. The copy of the window is made empty in it, as the
    // desktop driver keeps its window; WebGL keeps the canvas as RGBA.
    if (format == GL_BGRA && pixels == nullptr) format = GL_RGBA;
    emscripten_glTexImage2D(target, level, internalFormat, width, height, border, format, type,
                            pixels);
}

void glCopyTexSubImage2D(GLenum target, GLint level, GLint xOffset, GLint yOffset, GLint x,
                         GLint y, GLsizei width, GLsizei height) {
    syncContext();
    bindTextureForObjectCall(glSettings().boundTexture);
    emscripten_glCopyTexSubImage2D(target, level, xOffset, yOffset, x, y, width, height);
}

void glDeleteTextures(GLsizei count, const GLuint* textures) {
    flushBatch();
    for (GLsizei i = 0; i < count; ++i) {
        forgetTexture(textures[i]);
        textureDeleted(textures[i]);
        // A deleted texture is unbound, as in OpenGL.
        if (glSettings().boundTexture == textures[i]) glSettings().boundTexture = 0;
    }
    emscripten_glDeleteTextures(count, textures);
}

// WebGL cannot be asked about a texture; the layer answers what it noted.
void glGetTexLevelParameteriv(GLenum, GLint level, GLenum name, GLint* value) {
    const TextureFacts facts = textureFacts(glSettings().boundTexture);
    if (level != 0) return;
    if (name == GL_TEXTURE_WIDTH) *value = facts.width;
    if (name == GL_TEXTURE_HEIGHT) *value = facts.height;
    if (name == GL_TEXTURE_ALPHA_SIZE) *value = facts.alpha ? 8 : 0;
}
}
#endif
