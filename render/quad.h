// SPDX-License-Identifier: MIT
#pragma once

struct SpriteAnimation;

// The one textured-rectangle primitive every picture goes through. In tint
// mode quads nearer than z = -4 turn orange, keeping their alpha.
void drawQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha);
// The bare rectangle (texture coordinates and corners), no state set.
void emitQuad(float xLeft, float xRight, float yTop, float yBottom, float sLeft, float sRight,
              float tTop, float tBottom, float z);
void drawPlainQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
                   float z);
void drawSpriteFrame(const SpriteAnimation& animation, float width, float height, float x,
                     float y, float z);
void drawRotatedSpriteFrame(const SpriteAnimation& animation, float angle, float alpha, float x,
                            float y, float z, float width, float height);
