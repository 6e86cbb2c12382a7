// SPDX-License-Identifier: MIT
// Framebuffer objects through the browser's WebGL 2 layer, for the drawing
// paths that keep the still back layers and the menu picture: what acts on
// the framebuffers first draws what was gathered before it, so every draw
// lands where the game made it.
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_framebuffers.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>
#include <cstring>

#include "platform/web_gl2_batch.h"
#include "platform/web_gl2_state.h"
#include "platform/web_gl2_textures.h"

extern "C" {
void emscripten_glGenFramebuffers(GLsizei count, GLuint* names);
void emscripten_glDeleteFramebuffers(GLsizei count, const GLuint* names);
void emscripten_glBindFramebuffer(GLenum target, GLuint name);
void emscripten_glFramebufferTexture2D(GLenum target, GLenum attachment, GLenum textureTarget,
                                       GLuint texture, GLint level);
void emscripten_glFramebufferRenderbuffer(GLenum target, GLenum attachment,
                                          GLenum renderbufferTarget, GLuint renderbuffer);
GLenum emscripten_glCheckFramebufferStatus(GLenum target);
void emscripten_glGenRenderbuffers(GLsizei count, GLuint* names);
void emscripten_glDeleteRenderbuffers(GLsizei count, const GLuint* names);
void emscripten_glBindRenderbuffer(GLenum target, GLuint name);
void emscripten_glRenderbufferStorage(GLenum target, GLenum format, GLsizei width,
                                      GLsizei height);
void emscripten_glBlitFramebuffer(GLint sx0, GLint sy0, GLint sx1, GLint sy1, GLint dx0,
                                  GLint dy0, GLint dx1, GLint dy1, GLbitfield mask,
                                  GLenum filter);
void emscripten_glGetIntegerv(GLenum name, GLint* values);
GLenum emscripten_glGetError();
}

namespace {
void deleteFramebuffers(GLsizei count, const GLuint* names) {
    flushBatch();
    emscripten_glDeleteFramebuffers(count, names);
}

void bindFramebuffer(GLenum target, GLuint name) {
    flushBatch();
    emscripten_glBindFramebuffer(target, name);
}

void framebufferTexture2D(GLenum target, GLenum attachment, GLenum textureTarget, GLuint texture,
                          GLint level) {
    flushBatch();
    emscripten_glFramebufferTexture2D(target, attachment, textureTarget, texture, level);
}

void framebufferRenderbuffer(GLenum target, GLenum attachment, GLenum renderbufferTarget,
                             GLuint renderbuffer) {
    flushBatch();
    emscripten_glFramebufferRenderbuffer(target, attachment, renderbufferTarget, renderbuffer);
}

// Whether WebGL takes a depth blit from the canvas into a renderbuffer of
// `format`: one pixel, tried on a framebuffer of its own.
bool canvasDepthBlitsTo(GLenum format) {
    GLint keptDraw = 0, keptRead = 0, keptRenderbuffer = 0;
    emscripten_glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &keptDraw);
    emscripten_glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &keptRead);
    emscripten_glGetIntegerv(GL_RENDERBUFFER_BINDING, &keptRenderbuffer);
    GLuint framebuffer = 0, depth = 0;
    emscripten_glGenFramebuffers(1, &framebuffer);
    emscripten_glGenRenderbuffers(1, &depth);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, depth);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, format, 1, 1);
    emscripten_glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    emscripten_glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                                         GL_RENDERBUFFER, depth);
    emscripten_glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    while (emscripten_glGetError() != GL_NO_ERROR) {
    }
    emscripten_glBlitFramebuffer(0, 0, 1, 1, 0, 0, 1, 1, GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    const bool taken = emscripten_glGetError() == GL_NO_ERROR;
    emscripten_glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(keptDraw));
    emscripten_glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(keptRead));
    emscripten_glDeleteFramebuffers(1, &framebuffer);
    emscripten_glDeleteRenderbuffers(1, &depth);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(keptRenderbuffer));
    return taken;
}

// The game asks for the depth format the canvas reports (24 bits, no
// stencil), for a straight depth copy. The browser chooses how it keeps
// the canvas's depth: Chromium keeps it as DEPTH24_STENCIL8, and a depth
// blit needs the very same format. Attached as depth alone, that format
// reports 24 bits of depth and none of stencil, as the canvas does.
void renderbufferStorage(GLenum target, GLenum format, GLsizei width, GLsizei height) {
    if (format == GL_DEPTH_COMPONENT24) {
        static const GLenum canvasFormat =
            canvasDepthBlitsTo(GL_DEPTH24_STENCIL8) ? GL_DEPTH24_STENCIL8 : GL_DEPTH_COMPONENT24;
        format = canvasFormat;
    }
    emscripten_glRenderbufferStorage(target, format, width, height);
}

// A blit is cut by the scissor box the game has set, as in OpenGL.
void blitFramebuffer(GLint sx0, GLint sy0, GLint sx1, GLint sy1, GLint dx0, GLint dy0, GLint dx1,
                     GLint dy1, GLbitfield mask, GLenum filter) {
    syncContext();
    emscripten_glBlitFramebuffer(sx0, sy0, sx1, sy1, dx0, dy0, dx1, dy1, mask, filter);
}

// WebGL 2 has no framebuffer parameters. The one the game sets, drawing
// the same way up as the window, is how WebGL draws into framebuffers.
void framebufferParameteri(GLenum, GLenum, GLint) {}

struct NamedCall {
    const char* name;
    GlProc call;
};

template <typename Function>
GlProc proc(Function* function) {
    return reinterpret_cast<GlProc>(function);
}
}  // namespace

GlProc webGl2FramebufferCall(const char* name) {
    // Calls that touch no framebuffer's pixels go straight to WebGL.
    static const NamedCall calls[] = {
        {"glGenFramebuffers", proc(&emscripten_glGenFramebuffers)},
        {"glDeleteFramebuffers", proc(&deleteFramebuffers)},
        {"glBindFramebuffer", proc(&bindFramebuffer)},
        {"glFramebufferTexture2D", proc(&framebufferTexture2D)},
        {"glFramebufferRenderbuffer", proc(&framebufferRenderbuffer)},
        {"glCheckFramebufferStatus", proc(&emscripten_glCheckFramebufferStatus)},
        {"glGenRenderbuffers", proc(&emscripten_glGenRenderbuffers)},
        {"glDeleteRenderbuffers", proc(&emscripten_glDeleteRenderbuffers)},
        {"glBindRenderbuffer", proc(&emscripten_glBindRenderbuffer)},
        {"glRenderbufferStorage", proc(&renderbufferStorage)},
        {"glBlitFramebuffer", proc(&blitFramebuffer)},
        {"glFramebufferParameteri", proc(&framebufferParameteri)},
    };
    for (const NamedCall& c : calls) {
        if (std::strcmp(c.name, name) == 0) return c.call;
    }
    return nullptr;
}

extern "C" {
// WebGL cannot read a texture back, and the one read the game makes (the
// kept menu picture's empty blocks) is left out in the browser, as it would
// stall the page. Should it be asked for, every texel is opaque: at worst
// the whole picture is drawn, as it is without the blocks.
void glGetTexImage(GLenum, GLint level, GLenum format, GLenum type, void* pixels) {
    const TextureFacts facts = textureFacts(glSettings().boundTexture);
    if (level != 0 || type != GL_UNSIGNED_BYTE || (format != GL_RGBA && format != GL_ALPHA)) return;
    const std::size_t texels = static_cast<std::size_t>(facts.width) * facts.height;
    std::memset(pixels, 255, texels * (format == GL_RGBA ? 4 : 1));
}
}
#endif
