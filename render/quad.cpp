// SPDX-License-Identifier: MIT
// The textured quad every picture is drawn with, and its sprite wrappers.
#include "render/quad.h"

#include <GL/gl.h>

#include "app/hidden_modes.h"
#include "gameplay/sprite_animation.h"
#include "render/draw_path.h"
#include "render/quad_state.h"
#include "render/sprite_frame.h"

namespace {
// Quads behind this depth (the backdrop layers) keep their colours in tint
// mode.
constexpr float kTintDepthLimit = -4.0f;
}  // namespace

void emitQuad(float xLeft, float xRight, float yTop, float yBottom, float sLeft, float sRight,
              float tTop, float tBottom, float z) {
    glBegin(GL_QUADS);
    glTexCoord2f(sLeft, tBottom);
    glVertex3f(xLeft, yBottom, z);
    glTexCoord2f(sRight, tBottom);
    glVertex3f(xRight, yBottom, z);
    glTexCoord2f(sRight, tTop);
    glVertex3f(xRight, yTop, z);
    glTexCoord2f(sLeft, tTop);
    glVertex3f(xLeft, yTop, z);
    glEnd();
}

void drawQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha) {
    if (tintMode && z > kTintDepthLimit) {
        red = 1.0f;
        green = 0.5f;
        blue = 0.0f;
    }
    glColor4f(red, green, blue, alpha);
    QuadState& state = quadState();
    if (state.inFrame) {
        // Lighting is off, so no normal is needed. A texel times opaque white
        // is the texel itself, and REPLACE is the cheaper sum.
        const bool white = drawTechniques().replaceForWhite && red == 1 && green == 1 &&
                           blue == 1 && alpha == 1;
        state.env(white ? GL_REPLACE : GL_MODULATE);
        state.bind(texture);
        emitQuad(xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z);
        // Each quad must stay its own draw: merged draws split their quads
        // differently and round some texels apart. A matrix pop keeps them
        // apart, else the unbinding does.
        if (!state.popFollows || !drawTechniques().textureKeptBeforePop) state.bind(0);
        return;
    }
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, texture);
    emitQuad(xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void drawPlainQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
                   float z) {
    drawQuad(texture, xLeft, xRight, yTop, yBottom, 0, 1, 1, 0, z, 1, 1, 1, 1);
}

void drawSpriteFrame(const SpriteAnimation& animation, float width, float height, float x,
                     float y, float z) {
    const Vec3 o = currentFrameOffset(animation);
    const float left = x + o.x;
    const float bottom = y + o.y;
    drawQuad(currentFrameTexture(animation), left, left + width, bottom + height, bottom, 0, 1, 1,
             0, z + o.z, 1, 1, 1, 1);
}

void drawRotatedSpriteFrame(const SpriteAnimation& animation, float angle, float alpha, float x,
                            float y, float z, float width, float height) {
    const Vec3 o = currentFrameOffset(animation);
    glPushMatrix();
    glTranslatef(x + o.x, y + o.y, z + o.z);
    glTranslatef(width / 2, height / 2, 0);
    glRotatef(angle, 0, 0, 1);
    glTranslatef(-width / 2, -height / 2, 0);
    quadState().popFollows = true;
    drawQuad(currentFrameTexture(animation), 0, width, height, 0, 0, 1, 1, 0, 0, 1, 1, 1, alpha);
    quadState().popFollows = false;
    glPopMatrix();
}
