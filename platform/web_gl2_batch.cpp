// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_batch.h"

#include <GL/gl.h>

#include <vector>

#include "platform/web_gl2_shader.h"

namespace {
struct Batch {
    std::vector<BatchVertex> vertices;
    DrawState state;
    unsigned int mode = 0;
    BatchVertex quad[4];
    int inQuad = 0;
};

Batch batch;
}  // namespace

void batchBegin(unsigned int glMode, const DrawState& state) {
    if (!batch.vertices.empty() && state != batch.state) flushBatch();
    batch.state = state;
    batch.mode = glMode;
    batch.inQuad = 0;
}

void batchVertex(const BatchVertex& vertex) {
    if (batch.mode == GL_TRIANGLES) {
        batch.vertices.push_back(vertex);
    } else if (batch.mode == GL_QUADS) {
        batch.quad[batch.inQuad++] = vertex;
        if (batch.inQuad == 4) {
            for (int i : {0, 1, 2, 0, 2, 3}) batch.vertices.push_back(batch.quad[i]);
            batch.inQuad = 0;
        }
    }
}

// A triangle left short by glEnd is dropped, as OpenGL drops it.
void batchEnd() {
    if (batch.mode == GL_TRIANGLES) batch.vertices.resize(batch.vertices.size() / 3 * 3);
    batch.mode = 0;
}

void flushBatch() {
    if (batch.vertices.empty()) return;
    applyDrawState(batch.state);
    drawTriangles(batch.vertices.data(), static_cast<int>(batch.vertices.size()));
    batch.vertices.clear();
}

void batchFrameDone() {
    flushBatch();
    restartVertexBuffer();
}
#endif
