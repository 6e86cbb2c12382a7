// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_batch.h"

#include <GL/gl.h>

#include <vector>

#include "platform/web_gl2_shader.h"

namespace {
// The vertices of one state, drawn with one call.
struct Run {
    DrawState state;
    int first = 0, count = 0;
};

struct Batch {
    std::vector<BatchVertex> vertices;
    std::vector<Run> runs;
    unsigned int mode = 0;
    BatchVertex quad[4];
    int inQuad = 0;
};

Batch batch;
}  // namespace

void batchBegin(unsigned int glMode, const DrawState& state) {
    if (batch.runs.empty() || state != batch.runs.back().state) {
        if (!batch.runs.empty() && batch.runs.back().count == 0) batch.runs.pop_back();
        batch.runs.push_back({state, static_cast<int>(batch.vertices.size()), 0});
    }
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
    if (!batch.runs.empty())
        batch.runs.back().count = static_cast<int>(batch.vertices.size()) - batch.runs.back().first;
    batch.mode = 0;
}

// One upload for everything gathered, then a draw for each run.
void flushBatch() {
    if (batch.vertices.empty()) {
        batch.runs.clear();
        return;
    }
    const int start = uploadVertices(batch.vertices.data(), static_cast<int>(batch.vertices.size()));
    for (const Run& run : batch.runs) {
        if (run.count == 0) continue;
        applyDrawState(run.state);
        drawTriangles(start + run.first, run.count);
    }
    batch.vertices.clear();
    batch.runs.clear();
}

void syncContext() {
    flushBatch();
    applyDrawState(drawStateOf(glSettings()));
}

void batchFrameDone() {
    flushBatch();
    restartVertexBuffer();
}
#endif
