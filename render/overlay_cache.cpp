// SPDX-License-Identifier: MIT
// Sampling and drawing the kept menu picture.
#include "render/overlay_cache.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "render/draw_path.h"
#include "render/frame_store.h"
#include "render/gl_entry_points.h"
#include "render/quad_state.h"

namespace {
constexpr GLenum kFlipY = 0x8BBB;  // GL_FRAMEBUFFER_FLIP_Y_MESA
// Squares of 16 pixels: smaller ones leave out little more of the picture.
constexpr int kBlock = 16;
}

OverlayCache& overlayCache() {
    // One per path, as the back-layer caches; never destroyed.
    static OverlayCache* caches = new OverlayCache[3];
    return caches[static_cast<int>(drawPath())];
}

bool OverlayCache::allocate(int w, int h) {
    reset();
    const FramebufferCalls& f = framebufferCalls();
    while (glGetError() != GL_NO_ERROR) {
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    quadState().forget();
    f.genFramebuffers(1, &framebuffer);
    f.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    // Rasterised the same way up as the window (an unflipped target rounds
    // some texture coordinates apart), so its rows are read back upside down.
    f.framebufferParameteri(GL_FRAMEBUFFER, kFlipY, GL_TRUE);
    f.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete = f.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    f.bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete || glGetError() != GL_NO_ERROR) {
        reset();
        return false;
    }
    width = w;
    height = h;
    return true;
}

void OverlayCache::reset() {
    if (framebuffer) framebufferCalls().deleteFramebuffers(1, &framebuffer);
    if (texture) glDeleteTextures(1, &texture);
    framebuffer = texture = 0;
    width = height = 0;
    valid = false;
    shown.clear();
    kept = last = ViewKey{};
    hits = 0;
}

bool OverlayCache::draw(const ViewKey& key, const std::function<void()>& drawWhite) {
    if (drawPath() != DrawPath::FramebufferBlit) return false;
    const bool still = key == last;
    last = key;
    if (!valid || key != kept) {
        if (!still) return false;
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        if ((viewport[2] != width || viewport[3] != height) &&
            !allocate(viewport[2], viewport[3]))
            return false;
        // Sample the picture alone: every pixel gets the filtered texel,
        // alpha included.
        const FramebufferCalls& f = framebufferCalls();
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        f.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(0, 0, width, height);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glColor4f(1, 1, 1, 1);
        drawWhite();
        glEnable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
        glColor4fv(colour);
        glClearColor(clear[0], clear[1], clear[2], clear[3]);
        f.bindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
        kept = key;
        valid = true;
        findShownBlocks();
    }
    const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_DEPTH_TEST);
    quadState().env(GL_MODULATE);
    if (drawTechniques().overlayBlocks) drawShownBlocks();
    else drawTexelForPixel(texture, 1, 1, true);
    if (depthTest) glEnable(GL_DEPTH_TEST);
    ++hits;
    return true;
}

void OverlayCache::findShownBlocks() {
    glBindTexture(GL_TEXTURE_2D, texture);
    const std::vector<unsigned char> alpha = boundTextureAlpha(width, height);
    glBindTexture(GL_TEXTURE_2D, 0);
    quadState().forget();
    shown = blocksShowingAlpha(alpha, width, height, kBlock);
}

// The kept texels of the shown blocks, texel for pixel, as drawTexelForPixel
// draws them upside down: texture row r lies on window row height - 1 - r.
// Every pixel centre lies half a texel inside its texel, so nearest
// filtering picks the same texel from these quads as from one over the
// window; the quads share only edges, so no pixel is blended twice.
void OverlayCache::drawShownBlocks() const {
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    drawWindowQuads(texture, [&] {
        for (const TexelBox& b : shown) {
            const float s0 = static_cast<float>(b.x0) / w, s1 = static_cast<float>(b.x1) / w;
            const float t0 = static_cast<float>(b.y0) / h, t1 = static_cast<float>(b.y1) / h;
            const float left = 2 * s0 - 1, right = 2 * s1 - 1;
            const float bottom = 1 - 2 * t1, top = 1 - 2 * t0;
            glTexCoord2f(s0, t1);
            glVertex2f(left, bottom);
            glTexCoord2f(s1, t1);
            glVertex2f(right, bottom);
            glTexCoord2f(s1, t0);
            glVertex2f(right, top);
            glTexCoord2f(s0, t0);
            glVertex2f(left, top);
        }
    });
}
