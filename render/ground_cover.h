// SPDX-License-Identifier: MIT
// The window rows that the opaque lower ground covers whatever lies behind it.
#pragma once

#include "geometry/vec3.h"

// The ground strip (depth 1) is opaque below its grass. Where every pixel of
// a row is filled by those opaque texels, nothing drawn earlier and farther
// shows: the far layers are scissored off there and particles wholly inside
// are skipped, which leaves the same pixels.
struct GroundCover {
    // Window rows [0, hiddenRows) of the viewport are covered (0: none).
    int hiddenRows = 0;
    bool scissoring = false;

    // Works out the covered rows under the current matrices for ground
    // segments of `length` at `first` and `second` (already scrolled) whose
    // quads run from y - 3 (t = 0) to y + 0.4 (t = 1) at depth 1.
    void measure(unsigned int groundTexture, Vec3 first, Vec3 second, float length);
    // Scissors everything drawn from now on to the rows above.
    void begin();
    void end();
    // Lifts the scissor for a while (the kept back layers are whole).
    void pause() const;
    void resume() const;
    // Whether a square of half-diagonal `radius` centred on (x, y, z) lies
    // wholly in the covered rows.
    bool hides(float x, float y, float z, float radius) const;
};

GroundCover& groundCover();

// The share 0..1 of the texture's height, from t = 0, within which linear
// filtering reads only fully opaque texels (0 when there is none, or the
// picture is mipmapped).
float opaqueBottom(unsigned int texture);
// Forgets what opaqueBottom worked out (the pictures may be gone).
void forgetOpaqueBottoms();
