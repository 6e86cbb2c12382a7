// SPDX-License-Identifier: MIT
// The drawing state of the browser's WebGL 2 layer: what the game has set
// through OpenGL 1.x, and the part of it a draw depends on.
#pragma once

#include <array>

// As OpenGL keeps it; the GL entry points write it, nothing is sent yet.
struct GlSettings {
    bool texturing = false;
    unsigned int boundTexture = 0;
    unsigned int envMode = 0x2100;  // GL_MODULATE
    bool blend = false;
    unsigned int blendSource = 1, blendDestination = 0;  // GL_ONE, GL_ZERO
    bool depthTest = false;
    unsigned int depthFunc = 0x0201;  // GL_LESS
    bool depthWrites = true;
    unsigned int colourMask = 0xF;    // red, green, blue, alpha bits
    bool scissorTest = false;
    std::array<int, 4> scissorBox{}, viewport{};
    // Sent at once, as only a clear uses them; answered by the layer, as
    // asking WebGL for them waits on the browser's drawing process.
    std::array<float, 4> clearColour{};
    float clearDepth = 1;
};

// What the next vertex takes.
struct GlCurrent {
    float colour[4] = {1, 1, 1, 1};
    float texCoord[2] = {0, 0};
};

// The shader's ways of colouring a fragment.
enum TextureMode { Untextured = 0, Modulate = 1, Replace = 2, ReplaceKeepingAlpha = 3 };

// What one draw call depends on: settings that do not matter (the blend
// function with blending off, a texture with texturing off) are left at
// their defaults, so they do not split the draws.
struct DrawState {
    unsigned int texture = 0;
    int mode = Untextured;
    unsigned int blendSource = 0, blendDestination = 0;  // 0, 0: no blending
    unsigned int depthFunc = 0;                          // 0: no depth test
    bool depthWrites = true;
    unsigned int colourMask = 0xF;
    bool scissorTest = false;
    std::array<int, 4> scissorBox{}, viewport{};
    bool operator==(const DrawState& o) const;
    bool operator!=(const DrawState& o) const { return !(*this == o); }
};

GlSettings& glSettings();
GlCurrent& glCurrent();
DrawState drawStateOf(const GlSettings& settings);
// Sets the WebGL context to draw as `state` says, sending only what differs
// from what it was last given.
void applyDrawState(const DrawState& state);
// The texture the context has bound, for the calls that work on it.
void bindTextureForObjectCall(unsigned int texture);
void textureDeleted(unsigned int texture);
