// SPDX-License-Identifier: MIT
// The quad primitive's draw-state choices on the caching paths, kept across the quads of one frame.
#pragma once

// Between beginFrame and endFrame (opened by the scene drawing on a caching
// path) quads pick the texture environment, skip the unused normal and keep
// their texture bound when a matrix pop follows; outside a frame every quad
// is drawn exactly as described for the primitive.
struct QuadState {
    bool inFrame = false;
    int envMode = 0;          // 0: not known
    unsigned int bound = ~0u;  // ~0: not known
    // Set by callers that pop the model-view matrix right after the quad.
    bool popFollows = false;

    void beginFrame();
    // Leaves texture 0 bound and the environment at MODULATE, as after a
    // plain frame.
    void endFrame();
    // Something else changed the binding or the environment.
    void forget() {
        envMode = 0;
        bound = ~0u;
    }
    void env(int mode);
    void bind(unsigned int texture);
};

QuadState& quadState();
