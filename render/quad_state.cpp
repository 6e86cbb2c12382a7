// SPDX-License-Identifier: MIT
// Draw-state tracking for the quads of one frame.
#include "render/quad_state.h"

#include <GL/gl.h>

void QuadState::endFrame() {
    bind(0);
    env(GL_MODULATE);
}

void QuadState::draw(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
                     float sLeft, float sRight, float tTop, float tBottom, float z, float red,
                     float green, float blue, float alpha, bool popFollows) {
    const bool white = setQuadColor(z, red, green, blue, alpha);
    glNormal3f(0.0f, 0.0f, 1.0f);
    env(white && techniques.replaceForWhite ? GL_REPLACE : GL_MODULATE);
    bind(texture);
    emitQuad(xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z);
    if (!popFollows || !techniques.textureKeptBeforePop) bind(0);
}

void QuadState::beginMeshes() {
    bind(0);
    if (techniques.meshesWithoutBlend) glDisable(GL_BLEND);
}

void QuadState::endMeshes() {
    if (techniques.meshesWithoutBlend) glEnable(GL_BLEND);
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
