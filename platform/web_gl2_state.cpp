// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_state.h"

#include <GL/gl.h>

#include <tuple>

#include "platform/web_gl2_shader.h"
#include "platform/web_gl2_textures.h"

extern "C" {
void emscripten_glEnable(GLenum capability);
void emscripten_glDisable(GLenum capability);
void emscripten_glBindTexture(GLenum target, GLuint texture);
void emscripten_glBlendFunc(GLenum source, GLenum destination);
void emscripten_glDepthFunc(GLenum func);
void emscripten_glDepthMask(GLboolean writes);
void emscripten_glColorMask(GLboolean r, GLboolean g, GLboolean b, GLboolean a);
void emscripten_glScissor(GLint x, GLint y, GLsizei width, GLsizei height);
void emscripten_glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void emscripten_glGetIntegerv(GLenum name, GLint* values);
}

namespace {
DrawState applied;
bool appliedKnown = false;
unsigned int contextTexture = 0;

void setCapability(GLenum capability, bool on) {
    if (on) emscripten_glEnable(capability);
    else emscripten_glDisable(capability);
}

void bindTexture(unsigned int texture) {
    if (texture == contextTexture) return;
    emscripten_glBindTexture(GL_TEXTURE_2D, texture);
    contextTexture = texture;
}
}  // namespace

bool DrawState::operator==(const DrawState& o) const {
    return std::tie(texture, mode, blendSource, blendDestination, depthFunc, depthWrites,
                    colourMask, scissorTest, scissorBox, viewport) ==
           std::tie(o.texture, o.mode, o.blendSource, o.blendDestination, o.depthFunc,
                    o.depthWrites, o.colourMask, o.scissorTest, o.scissorBox, o.viewport);
}

GlSettings& glSettings() {
    static GlSettings settings = [] {
        // WebGL starts with the viewport and scissor box on the whole canvas.
        GlSettings s;
        emscripten_glGetIntegerv(GL_VIEWPORT, s.viewport.data());
        emscripten_glGetIntegerv(GL_SCISSOR_BOX, s.scissorBox.data());
        return s;
    }();
    return settings;
}

DrawState drawStateOf(const GlSettings& s) {
    DrawState d;
    // Texture 0 is never given a picture: OpenGL draws untextured with it.
    if (s.texturing && s.boundTexture != 0) {
        d.texture = s.boundTexture;
        if (s.envMode == GL_REPLACE)
            d.mode = textureFacts(s.boundTexture).alpha ? Replace : ReplaceKeepingAlpha;
        else
            d.mode = Modulate;
    }
    if (s.blend) {
        d.blendSource = s.blendSource;
        d.blendDestination = s.blendDestination;
    }
    if (s.depthTest) d.depthFunc = s.depthFunc;
    d.depthWrites = s.depthWrites;
    d.colourMask = s.colourMask;
    d.scissorTest = s.scissorTest;
    if (s.scissorTest) d.scissorBox = s.scissorBox;
    d.viewport = s.viewport;
    return d;
}

void applyDrawState(const DrawState& d) {
    const DrawState& a = applied;
    const bool all = !appliedKnown;
    // An untextured state leaves the context's texture bound: the next
    // textured one may well be the same.
    if (d.texture != 0) bindTexture(d.texture);
    if (all || d.mode != a.mode) setTextureMode(d.mode);
    const bool blend = d.blendSource != 0 || d.blendDestination != 0;
    const bool wasBlending = a.blendSource != 0 || a.blendDestination != 0;
    if (all || blend != wasBlending) setCapability(GL_BLEND, blend);
    if (blend && (all || d.blendSource != a.blendSource || d.blendDestination != a.blendDestination))
        emscripten_glBlendFunc(d.blendSource, d.blendDestination);
    if (all || (d.depthFunc != 0) != (a.depthFunc != 0)) setCapability(GL_DEPTH_TEST, d.depthFunc != 0);
    if (d.depthFunc != 0 && (all || d.depthFunc != a.depthFunc)) emscripten_glDepthFunc(d.depthFunc);
    if (all || d.depthWrites != a.depthWrites) emscripten_glDepthMask(d.depthWrites);
    if (all || d.colourMask != a.colourMask)
        emscripten_glColorMask(d.colourMask & 1, (d.colourMask >> 1) & 1, (d.colourMask >> 2) & 1,
                               (d.colourMask >> 3) & 1);
    if (all || d.scissorTest != a.scissorTest) setCapability(GL_SCISSOR_TEST, d.scissorTest);
    if (d.scissorTest && (all || d.scissorBox != a.scissorBox))
        emscripten_glScissor(d.scissorBox[0], d.scissorBox[1], d.scissorBox[2], d.scissorBox[3]);
    if (all || d.viewport != a.viewport)
        emscripten_glViewport(d.viewport[0], d.viewport[1], d.viewport[2], d.viewport[3]);
    applied = d;
    appliedKnown = true;
}

void bindTextureForObjectCall(unsigned int texture) { bindTexture(texture); }

void textureDeleted(unsigned int texture) {
    if (texture == contextTexture) contextTexture = 0;
}
#endif
