// SPDX-License-Identifier: MIT
// Draw-state tracking for the quads of one frame.
#include "render/quad_state.h"

#include <GL/gl.h>

QuadState& quadState() {
    static QuadState state;
    return state;
}

void QuadState::beginFrame() {
    inFrame = true;
    forget();
}

void QuadState::endFrame() {
    inFrame = false;
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    forget();
}

void QuadState::env(int mode) {
    if (mode == envMode) return;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
    envMode = mode;
}

void QuadState::bind(unsigned int texture) {
    if (texture == bound) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    bound = texture;
}
