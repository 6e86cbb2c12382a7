// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_batch.h"

#include <GL/gl.h>

#include <vector>

#include "platform/web_gl2_shader.h"

namespace {
// Vertices drawn with one call: one state and up to kTextureUnits pictures.
struct Run {
    DrawState state;
    unsigned int textures[kTextureUnits] = {};
    int textureCount = 0;
    int first = 0, count = 0;
};

struct Batch {
    std::vector<BatchVertex> vertices;
    std::vector<Run> runs;
    unsigned int mode = 0;
    float shading[2] = {};  // of the block being gathered: mode, texture unit
    BatchVertex quad[4];
    int inQuad = 0;
};

Batch batch;

// The unit of `texture` in the last run, given one if there is room; -1 if not.
int unitIn(Run& run, unsigned int texture) {
    for (int unit = 0; unit < run.textureCount; ++unit)
        if (run.textures[unit] == texture) return unit;
    if (run.textureCount == kTextureUnits) return -1;
    run.textures[run.textureCount] = texture;
    return run.textureCount++;
}

void startRun(const DrawState& state) {
    if (!batch.runs.empty() && batch.runs.back().count == 0) batch.runs.pop_back();
    Run run;
    run.state = state;
    run.first = static_cast<int>(batch.vertices.size());
    batch.runs.push_back(run);
}

void add(BatchVertex vertex) {
    vertex.shading[0] = batch.shading[0];
    vertex.shading[1] = batch.shading[1];
    batch.vertices.push_back(vertex);
}
}  // namespace

void batchBegin(unsigned int glMode, const DrawState& state, const Shading& shading) {
    if (batch.runs.empty() || state != batch.runs.back().state) startRun(state);
    int unit = 0;
    if (shading.texture != 0) {
        unit = unitIn(batch.runs.back(), shading.texture);
        if (unit < 0) {
            startRun(state);
            unit = unitIn(batch.runs.back(), shading.texture);
        }
    }
    batch.shading[0] = static_cast<float>(shading.mode);
    batch.shading[1] = static_cast<float>(unit);
    batch.mode = glMode;
    batch.inQuad = 0;
}

void batchVertex(const BatchVertex& vertex) {
    if (batch.mode == GL_TRIANGLES) {
        add(vertex);
    } else if (batch.mode == GL_QUADS) {
        batch.quad[batch.inQuad++] = vertex;
        if (batch.inQuad == 4) {
            for (int i : {0, 1, 2, 0, 2, 3}) add(batch.quad[i]);
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
        bindTextureUnits(run.textures, run.textureCount);
        applyDrawState(run.state);
        drawTriangles(start + run.first, run.count);
    }
    batch.vertices.clear();
    batch.runs.clear();
}

void batchFrameDone() {
    flushBatch();
    restartVertexBuffer();
}
#endif
