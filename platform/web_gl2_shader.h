// SPDX-License-Identifier: MIT
// The one shader pair, vertex array and vertex buffer the browser's WebGL 2
// layer draws with.
#pragma once

struct BatchVertex;

// The shader's TextureMode (platform/web_gl2_state.h).
void setTextureMode(int mode);
// Appends the triangles to the frame's vertex buffer (grown as needed) and
// draws them with the state applied.
void drawTriangles(const BatchVertex* vertices, int count);
// The next frame fills the buffer from its start again.
void restartVertexBuffer();
