// SPDX-License-Identifier: MIT
// The one shader pair, vertex array and vertex buffer the browser's WebGL 2
// layer draws with.
#pragma once

struct BatchVertex;

// The shader's TextureMode (platform/web_gl2_state.h).
void setTextureMode(int mode);
// Appends the vertices to the frame's vertex buffer (grown as needed) and
// answers where the first of them lies in it.
int uploadVertices(const BatchVertex* vertices, int count);
// Draws triangles from the buffer with the state applied.
void drawTriangles(int first, int count);
// The next frame fills the buffer from its start again.
void restartVertexBuffer();
