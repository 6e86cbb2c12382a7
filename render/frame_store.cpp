// SPDX-License-Identifier: MIT
// Keeping and putting back the window's pixels, by framebuffer blit or texture copy.
#include "render/frame_store.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "render/gl_entry_points.h"

namespace {
constexpr GLenum kFlipY = 0x8BBB;  // GL_FRAMEBUFFER_FLIP_Y_MESA

int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// The depth format that matches the window's, for a straight depth copy.
GLenum windowDepthFormat() {
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    if (stencilBits > 0) return depthBits == 32 ? GL_DEPTH32F_STENCIL8 : GL_DEPTH24_STENCIL8;
    if (depthBits == 16) return GL_DEPTH_COMPONENT16;
    if (depthBits == 32) return GL_DEPTH_COMPONENT32;
    return GL_DEPTH_COMPONENT24;
}
}  // namespace

bool Framebuffer::make(int width, int height, bool windowCopy) {
    release();
    while (glGetError() != GL_NO_ERROR) {
    }
    const FramebufferCalls& f = framebufferCalls();
    // Asked of the window, before binding.
    const GLenum format = windowDepthFormat();
    GLint windowDepth = 0, windowStencil = 0;
    glGetIntegerv(GL_DEPTH_BITS, &windowDepth);
    glGetIntegerv(GL_STENCIL_BITS, &windowStencil);
    const FramebufferBindings kept;
    f.genFramebuffers(1, &framebuffer);
    f.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    // The same way up as the window: copies between the two are plain ones,
    // and sampling a picture into it rounds texture coordinates as the window
    // does.
    f.framebufferParameteri(GL_FRAMEBUFFER, kFlipY, GL_TRUE);
    rowsUpsideDown = !openGlEsContext();
    // A copy of the window: a texture given as BGRA, which the driver stores
    // as it stores the window, so the colour copy is a plain one too (2 ms
    // less per copy on llvmpipe than a GL_RGBA8 renderbuffer). Texels to be
    // drawn back: GL_RGBA8, which llvmpipe samples to the plain drawing's
    // pixels (stored as BGRA, about 190 pixels of the menu differ).
    glGenTextures(1, &colour);
    glBindTexture(GL_TEXTURE_2D, colour);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // In the browser the kept texels are floats: WebGL's software renderer
    // filters a picture to more than 8 bits and modulates that, so only
    // floats keep what drawing the picture afresh would give.
    if (windowCopy)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     nullptr);
    else if (openGlEsContext())
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    f.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    bool complete = true;
    if (windowCopy) {
        f.genRenderbuffers(1, &depth);
        f.bindRenderbuffer(GL_RENDERBUFFER, depth);
        f.renderbufferStorage(GL_RENDERBUFFER, format, width, height);
        const bool stencil = format == GL_DEPTH24_STENCIL8 || format == GL_DEPTH32F_STENCIL8;
        f.framebufferRenderbuffer(GL_FRAMEBUFFER,
                                  stencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                                  GL_RENDERBUFFER, depth);
        f.bindRenderbuffer(GL_RENDERBUFFER, 0);
        // A depth copy needs the very same format as the window's.
        GLint depthBits = 0, stencilBits = 0;
        glGetIntegerv(GL_DEPTH_BITS, &depthBits);
        glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
        complete = depthBits == windowDepth && stencilBits == windowStencil;
    }
    complete = complete && f.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (!complete || glGetError() != GL_NO_ERROR) {
        release();
        return false;
    }
    return true;
}

void Framebuffer::release() {
    if (framebuffer || depth) {
        const FramebufferCalls& f = framebufferCalls();
        f.deleteFramebuffers(1, &framebuffer);
        f.deleteRenderbuffers(1, &depth);
    }
    if (colour) glDeleteTextures(1, &colour);
    framebuffer = colour = depth = 0;
}

bool FrameStore::allocate(DrawPath wanted, bool tryCopy) {
    release();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    x = viewport[0];
    y = viewport[1];
    width = viewport[2];
    height = viewport[3];
    if (width <= 0 || height <= 0) return false;

    if (wanted == DrawPath::FramebufferBlit) {
        if (!copy.make(width, height, true)) return false;
    } else if (wanted == DrawPath::TextureCopy) {
        while (glGetError() != GL_NO_ERROR) {
        }
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        // Powers of two: OpenGL 1.1 has no other texture sizes.
        textureWidth = powerOfTwoAtLeast(width);
        textureHeight = powerOfTwoAtLeast(height);
        if (textureWidth > maxSize || textureHeight > maxSize) return false;
        // WebGL copies only the components the canvas has, and the game's
        // canvas has no alpha; drawn back without blending, none is needed.
        GLint alphaBits = 0;
        glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
        const bool rgb = openGlEsContext() && alphaBits == 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, rgb ? GL_RGB8 : GL_RGBA8, textureWidth, textureHeight, 0,
                     rgb ? GL_RGB : GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glBindTexture(GL_TEXTURE_2D, 0);
    } else {
        return false;
    }
    path = wanted;
    if (path == DrawPath::FramebufferBlit && tryCopy) store();
    if (glGetError() != GL_NO_ERROR) {
        release();
        return false;
    }
    return true;
}

bool FrameStore::fitsViewport() const {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return path != DrawPath::Plain && viewport[0] == x && viewport[1] == y &&
           viewport[2] == width && viewport[3] == height;
}

void FrameStore::release() {
    copy.release();
    if (texture) glDeleteTextures(1, &texture);
    texture = 0;
    path = DrawPath::Plain;
}

void FrameStore::store() {
    if (path == DrawPath::FramebufferBlit) {
        const FramebufferCalls& f = framebufferCalls();
        const FramebufferBindings kept;
        f.bindFramebuffer(GL_DRAW_FRAMEBUFFER, copy.framebuffer);
        f.blitFramebuffer(x, y, x + width, y + height, 0, 0, width, height,
                          GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    } else if (path == DrawPath::TextureCopy) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, y, width, height);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}

void FrameStore::restore(const std::function<void()>& drawDepth) {
    if (path == DrawPath::FramebufferBlit) {
        const FramebufferCalls& f = framebufferCalls();
        const FramebufferBindings kept;
        f.bindFramebuffer(GL_READ_FRAMEBUFFER, copy.framebuffer);
        f.blitFramebuffer(0, 0, width, height, x, y, x + width, y + height,
                          GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
        return;
    }
    if (path != DrawPath::TextureCopy) return;
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    drawTexelForPixel(texture, static_cast<float>(width) / static_cast<float>(textureWidth),
                      static_cast<float>(height) / static_cast<float>(textureHeight));
    // The depth the layers wrote, without touching the colour just put back.
    glEnable(GL_DEPTH_TEST);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDisable(GL_TEXTURE_2D);
    drawDepth();
    glPopAttrib();
}

void drawWindowQuads(unsigned int texture, const std::function<void()>& emitQuads) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    emitQuads();
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void drawTexelForPixel(unsigned int texture, float sMax, float tMax) {
    drawWindowQuads(texture, [&] {
        glTexCoord2f(0, 0);
        glVertex2f(-1, -1);
        glTexCoord2f(sMax, 0);
        glVertex2f(1, -1);
        glTexCoord2f(sMax, tMax);
        glVertex2f(1, 1);
        glTexCoord2f(0, tMax);
        glVertex2f(-1, 1);
    });
}
