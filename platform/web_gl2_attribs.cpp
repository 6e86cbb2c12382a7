// SPDX-License-Identifier: MIT
// OpenGL's stack of saved settings, for the browser's WebGL 2 layer: the
// drawing paths that keep pixels save what they change around each use.
// The layer holds the settings itself, so a group is saved by copying it.
#ifdef __EMSCRIPTEN__
#include <GL/gl.h>

#include <vector>

#include "platform/web_gl2_state.h"

extern "C" {
void emscripten_glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a);
void emscripten_glClearDepthf(GLclampf depth);
}

namespace {
struct Saved {
    GLbitfield mask;
    GlSettings settings;
    GlCurrent current;
};

std::vector<Saved>& savedStack() {
    static std::vector<Saved> stack;
    return stack;
}

void sendClearColour() {
    const auto& c = glSettings().clearColour;
    emscripten_glClearColor(c[0], c[1], c[2], c[3]);
}
}  // namespace

extern "C" {
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    glSettings().clearColour = {r, g, b, a};
    sendClearColour();
}

void glClearDepth(GLclampd depth) {
    glSettings().clearDepth = static_cast<float>(depth);
    emscripten_glClearDepthf(glSettings().clearDepth);
}

void glPushAttrib(GLbitfield mask) { savedStack().push_back({mask, glSettings(), glCurrent()}); }

// Puts back the groups the game uses: the rest of OpenGL 1.x's it never sets.
void glPopAttrib() {
    if (savedStack().empty()) return;
    const Saved saved = savedStack().back();
    savedStack().pop_back();
    const GlSettings& was = saved.settings;
    GlSettings& now = glSettings();
    const GLbitfield mask = saved.mask;
    if (mask & GL_CURRENT_BIT) glCurrent() = saved.current;
    if (mask & GL_ENABLE_BIT) {
        now.texturing = was.texturing;
        now.blend = was.blend;
        now.depthTest = was.depthTest;
        now.scissorTest = was.scissorTest;
    }
    if (mask & GL_COLOR_BUFFER_BIT) {
        now.blend = was.blend;
        now.blendSource = was.blendSource;
        now.blendDestination = was.blendDestination;
        now.colourMask = was.colourMask;
        now.clearColour = was.clearColour;
        sendClearColour();
    }
    if (mask & GL_DEPTH_BUFFER_BIT) {
        now.depthTest = was.depthTest;
        now.depthFunc = was.depthFunc;
        now.depthWrites = was.depthWrites;
        if (now.clearDepth != was.clearDepth) glClearDepth(was.clearDepth);
    }
    if (mask & GL_SCISSOR_BIT) {
        now.scissorTest = was.scissorTest;
        now.scissorBox = was.scissorBox;
    }
    if (mask & GL_TEXTURE_BIT) {
        now.boundTexture = was.boundTexture;
        now.envMode = was.envMode;
    }
    if (mask & GL_VIEWPORT_BIT) now.viewport = was.viewport;
}
}
#endif
