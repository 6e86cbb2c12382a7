// SPDX-License-Identifier: MIT
// Texture binding kept across the quads of one frame.
#include "render/quad_state.h"

#include <GL/gl.h>

void QuadState::draw(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
                     float sLeft, float sRight, float tTop, float tBottom, float z, float red,
                     float green, float blue, float alpha, bool popFollows) {
    setQuadColor(z, red, green, blue, alpha);
    glNormal3f(0.0f, 0.0f, 1.0f);
    bind(texture);
    emitQuad(xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z);
    if (!popFollows || !techniques.textureKeptBeforePop) bind(0);
}

void QuadState::bind(unsigned int texture) {
    if (texture == bound) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    bound = texture;
}
