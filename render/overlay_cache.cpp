// SPDX-License-Identifier: MIT
// Sampling and drawing the kept menu picture.
#include "render/overlay_cache.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <utility>

#include "render/gl_entry_points.h"

namespace {
// Squares of 16 pixels: smaller ones leave out little more of the picture.
constexpr int kBlock = 16;
}  // namespace

void OverlayCache::reset() {
    texels.release();
    width = height = 0;
    valid = false;
    shown.clear();
    kept = last = ViewKey{};
    hits = 0;
}

bool OverlayCache::draw(const ViewKey& key, const std::function<void()>& drawQuad) {
    const bool still = key == last;
    last = key;
    if (!valid || key != kept) {
        if (!still) return false;
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        // Sampled at the framebuffer's corner, the picture rounds a few
        // pixels apart from one drawn into a viewport off the window's
        // corner: drawn as usual there.
        if (viewport[0] != 0 || viewport[1] != 0) return false;
        if (viewport[2] != width || viewport[3] != height) {
            reset();
            if (!texels.make(viewport[2], viewport[3], false)) return false;
            width = viewport[2];
            height = viewport[3];
        }
        sample(drawQuad);
        kept = key;
        valid = true;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glDisable(GL_DEPTH_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    drawShownBlocks();
    glPopAttrib();
    ++hits;
    return true;
}

// The picture alone, replacing: every pixel gets the filtered texel, alpha
// included. Then the blocks that show anything (all of it when they are
// not to be left out).
void OverlayCache::sample(const std::function<void()>& drawQuad) {
    const FramebufferCalls& f = framebufferCalls();
    const FramebufferBindings kept;
    glPushAttrib(GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT | GL_ENABLE_BIT |
                 GL_TEXTURE_BIT);
    f.bindFramebuffer(GL_FRAMEBUFFER, texels.framebuffer);
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(1, 1, 1, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    drawQuad();
    glPopAttrib();

    shown = {{0, 0, width, height}};
    if (!techniques.overlayBlocks) return;
    glBindTexture(GL_TEXTURE_2D, texels.colour);
    const std::vector<unsigned char> alpha = boundTextureAlpha(width, height);
    glBindTexture(GL_TEXTURE_2D, 0);
    shown = blocksShowingAlpha(alpha, width, height, kBlock);
}

// The kept texels of the shown blocks, texel for pixel. On the desktop the
// framebuffer is drawn the same way up as the window (an unflipped one
// rounds some texture coordinates apart), so its rows read back upside
// down: texture row r lies on window row height - 1 - r.
// Every pixel centre lies half a texel inside its texel, so nearest
// filtering picks the same texel from these quads as from one over the
// window; the quads share only edges, so no pixel is blended twice.
void OverlayCache::drawShownBlocks() const {
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    drawWindowQuads(texels.colour, [&] {
        for (const TexelBox& b : shown) {
            const float s0 = static_cast<float>(b.x0) / w, s1 = static_cast<float>(b.x1) / w;
            const float t0 = static_cast<float>(b.y0) / h, t1 = static_cast<float>(b.y1) / h;
            const float left = 2 * s0 - 1, right = 2 * s1 - 1;
            float bottom = 2 * t0 - 1, top = 2 * t1 - 1, tBottom = t0, tTop = t1;
            if (texels.rowsUpsideDown) {
                bottom = 1 - 2 * t1;
                top = 1 - 2 * t0;
                std::swap(tBottom, tTop);
            }
            glTexCoord2f(s0, tBottom);
            glVertex2f(left, bottom);
            glTexCoord2f(s1, tBottom);
            glVertex2f(right, bottom);
            glTexCoord2f(s1, tTop);
            glVertex2f(right, top);
            glTexCoord2f(s0, tTop);
            glVertex2f(left, top);
        }
    });
}
