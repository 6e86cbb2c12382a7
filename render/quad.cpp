// SPDX-License-Identifier: MIT
// The textured quad every picture is drawn with, and its sprite wrappers.
#include "render/quad.h"

#include <GL/gl.h>

#include "app/hidden_modes.h"
#include "gameplay/sprite_animation.h"
#include "render/sprite_frame.h"

namespace {
// Quads behind this depth (the backdrop layers) keep their colours in tint
// mode.
constexpr float kTintDepthLimit = -4.0f;

class PlainQuads : public QuadDrawer {
public:
    void draw(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha, bool) override {
        drawQuad(texture, xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z, red,
                 green, blue, alpha);
    }
    // Every quad unbinds its texture; the meshes are blended as described.
    void beginMeshes() override {}
    void endMeshes() override {}
};
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

bool setQuadColor(float z, float red, float green, float blue, float alpha) {
    if (tintMode && z > kTintDepthLimit) {
        red = 1.0f;
        green = 0.5f;
        blue = 0.0f;
    }
    glColor4f(red, green, blue, alpha);
    return red == 1 && green == 1 && blue == 1 && alpha == 1;
}

void drawQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha) {
    setQuadColor(z, red, green, blue, alpha);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, texture);
    emitQuad(xLeft, xRight, yTop, yBottom, sLeft, sRight, tTop, tBottom, z);
    glBindTexture(GL_TEXTURE_2D, 0);
}

QuadDrawer& plainQuads() {
    static PlainQuads plain;
    return plain;
}

void drawPlainQuad(QuadDrawer& quads, unsigned int texture, float xLeft, float xRight,
                   float yTop, float yBottom, float z, bool popFollows) {
    quads.draw(texture, xLeft, xRight, yTop, yBottom, 0, 1, 1, 0, z, 1, 1, 1, 1, popFollows);
}

void drawSpriteFrame(QuadDrawer& quads, const SpriteAnimation& animation, float width,
                     float height, float x, float y, float z) {
    const Vec3 o = currentFrameOffset(animation);
    const float left = x + o.x;
    const float bottom = y + o.y;
    drawPlainQuad(quads, currentFrameTexture(animation), left, left + width, bottom + height,
                  bottom, z + o.z);
}

void drawRotatedSpriteFrame(QuadDrawer& quads, const SpriteAnimation& animation, float angle,
                            float alpha, float x, float y, float z, float width, float height) {
    const Vec3 o = currentFrameOffset(animation);
    glPushMatrix();
    glTranslatef(x + o.x, y + o.y, z + o.z);
    glTranslatef(width / 2, height / 2, 0);
    glRotatef(angle, 0, 0, 1);
    glTranslatef(-width / 2, -height / 2, 0);
    quads.draw(currentFrameTexture(animation), 0, width, height, 0, 0, 1, 1, 0, 0, 1, 1, 1, alpha,
               true);
    glPopMatrix();
}
