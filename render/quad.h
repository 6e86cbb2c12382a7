// SPDX-License-Identifier: MIT
#pragma once

struct SpriteAnimation;

// The one textured-rectangle primitive every picture is drawn with, as the
// plain drawing does it: each quad binds its texture and unbinds it again.
// In tint mode quads nearer than z = -4 turn orange, keeping their alpha.
void drawQuad(unsigned int texture, float xLeft, float xRight, float yTop, float yBottom,
              float sLeft, float sRight, float tTop, float tBottom, float z, float red,
              float green, float blue, float alpha);
// The bare rectangle (texture coordinates and corners), no state set.
void emitQuad(float xLeft, float xRight, float yTop, float yBottom, float sLeft, float sRight,
              float tTop, float tBottom, float z);
// Sets the current colour of a quad at depth z, tinted as above; true when
// it is opaque white.
bool setQuadColor(float z, float red, float green, float blue, float alpha);

// Where a layer's quads go: drawQuad itself (plainQuads), or a caching
// path's QuadState, which keeps draw state across the quads of a frame. The
// scene drawing picks one per frame and hands it to each layer.
class QuadDrawer {
public:
    virtual ~QuadDrawer() = default;
    // As drawQuad. `popFollows`: the caller pops the model-view matrix right
    // after this quad.
    virtual void draw(unsigned int texture, float xLeft, float xRight, float yTop,
                      float yBottom, float sLeft, float sRight, float tTop, float tBottom,
                      float z, float red, float green, float blue, float alpha,
                      bool popFollows) = 0;
    // Around the untextured, opaque meshes drawn between quads.
    virtual void beginMeshes() = 0;
    virtual void endMeshes() = 0;
};
QuadDrawer& plainQuads();

// Opaque white, the whole picture.
void drawPlainQuad(QuadDrawer& quads, unsigned int texture, float xLeft, float xRight,
                   float yTop, float yBottom, float z, bool popFollows = false);
void drawSpriteFrame(QuadDrawer& quads, const SpriteAnimation& animation, float width,
                     float height, float x, float y, float z);
void drawRotatedSpriteFrame(QuadDrawer& quads, const SpriteAnimation& animation, float angle,
                            float alpha, float x, float y, float z, float width, float height);
