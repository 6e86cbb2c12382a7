// The quad primitive's draw-state choices on the caching paths, kept across the quads of one frame.
#pragma once

// Between beginFrame and endFrame (opened by the scene drawing on a caching
// path) quads pick the texture environment and skip the unused normal;
// outside a frame every quad is drawn exactly as described for the primitive.
struct QuadState {
    bool inFrame = false;
    int envMode = 0;  // 0: not known

    void beginFrame();
    // Leaves the environment at MODULATE, as after a plain frame.
    void endFrame();
    // Something else changed the environment.
    void forget() { envMode = 0; }
    void env(int mode);
};

QuadState& quadState();
