// SPDX-License-Identifier: MIT
// The vertices of the browser's WebGL 2 layer, gathered with the drawing
// state of each run of them, and sent with one upload and a draw call for
// each run when something must happen at once (a clear, a read, a change
// to a texture) or the frame ends.
#pragma once

#include "platform/web_gl2_state.h"

struct BatchVertex {
    float position[4];  // clip space
    float colour[4];
    float texCoord[2];
};

// glBegin: what follows is drawn with `state`; a new run starts when it
// differs from the last. Modes other than GL_TRIANGLES and GL_QUADS draw
// nothing.
void batchBegin(unsigned int glMode, const DrawState& state);
void batchVertex(const BatchVertex& vertex);
void batchEnd();
// Draws what is gathered, in the order it came.
void flushBatch();
// Draws what is gathered and gives the context the settings as they stand,
// for a call it carries out at once (a clear, a read, a blit).
void syncContext();
// Draws what is gathered and starts the next frame's vertices.
void batchFrameDone();
