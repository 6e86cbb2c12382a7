// SPDX-License-Identifier: MIT
// The caching paths' own steps of a frame: the back layers kept or put back,
// and the rows the opaque ground will cover scissored off.
#include <GL/gl.h>

#include <cmath>

#include "render/back_layer_cache.h"
#include "render/draw_path.h"
#include "render/ground_cover.h"
#include "render/quad.h"
#include "render/quad_state.h"
#include "render/view_key.h"
#include "world/model_manager.h"

namespace {
// A picture without an alpha channel.
bool textureOpaque(unsigned int texture) {
    if (texture == 0) return false;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint alphaBits = 1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    glBindTexture(GL_TEXTURE_2D, 0);
    quadState().forget();
    return alphaBits == 0;
}

// Whether every point of the rectangle at depth z lies strictly in front of
// the far plane, so that it would pass the depth test against a cleared
// buffer anyway.
bool passesClearedDepth(float xLeft, float xRight, float yBottom, float yTop, float z) {
    float mv[16], pr[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    glGetFloatv(GL_PROJECTION_MATRIX, pr);
    for (float x : {xLeft, xRight}) {
        for (float y : {yBottom, yTop}) {
            float eye[4];
            for (int r = 0; r < 4; ++r)
                eye[r] = mv[r] * x + mv[4 + r] * y + mv[8 + r] * z + mv[12 + r];
            float clipZ = 0, clipW = 0;
            for (int c = 0; c < 4; ++c) {
                clipZ += pr[4 * c + 2] * eye[c];
                clipW += pr[4 * c + 3] * eye[c];
            }
            if (!(clipW > 0) || !(clipZ / clipW < 0.999f) || !(clipZ / clipW > -1)) return false;
        }
    }
    return true;
}
}  // namespace

// The caching paths' back layers: put back from the copy of a still view, or
// drawn and offered to the copy.
void ModelManager::drawBackLayersFast(float depth, float m) {
    const unsigned int backdrop = textures[TexBackground];
    const unsigned int sky = textures[TexNightSky];
    const unsigned int moon = textures[TexMoon];
    ViewKey key = ViewKey::current();
    for (unsigned int t : {backdrop, sky, moon}) key.add(t);
    key.add(depth);
    key.add(m);
    const auto drawDepth = [&] {
        emitQuad(-4, 24, 12, -2, 0, 1, 1, 0, -depth);
        emitQuad(-4, 24, 12, 5, 0, 1, 1, 0, 0.05f - depth);
        emitQuad(m - 1, 1 - m, 10 - m, 8 + m, 0, 1, 1, 0, 0.1f - depth);
    };
    const bool cache = drawTechniques().backLayerCache;
    BackLayerCache& kept = backLayerCache();
    // What is kept or put back must be whole, the covered rows included.
    const bool whole = cache && (kept.holds(key) || kept.wouldKeep(key));
    if (whole) groundCover().pause();
    if (cache && kept.restore(key, drawDepth)) {
        groundCover().resume();
        drawMountains(MountainFaces::All);
        return;
    }

    // Mountain faces in front of every back layer go first, so the layers'
    // depth test skips the pixels behind them. Only while world depth is
    // view depth (no turn of the camera out of the screen's plane).
    float mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    const bool nearFirst =
        !whole && drawTechniques().mountainsFirst && mv[2] == 0 && mv[6] == 0 && mv[10] > 0;
    if (nearFirst) drawMountains(MountainFaces::Near);

    // The backdrop is opaque: blending would give its own texels. As the
    // first thing after the clear its depth test could only pass.
    const bool opaque = drawTechniques().opaqueBackdrop && textureOpaque(backdrop);
    const bool always = opaque && !nearFirst && passesClearedDepth(-4, 24, -2, 12, -depth);
    if (opaque) glDisable(GL_BLEND);
    if (always) glDepthFunc(GL_ALWAYS);
    drawPlainQuad(backdrop, -4, 24, 12, -2, -depth);
    if (always) glDepthFunc(GL_LESS);
    if (opaque) glEnable(GL_BLEND);
    drawPlainQuad(sky, -4, 24, 12, 5, 0.05f - depth);
    drawPlainQuad(moon, m - 1, 1 - m, 10 - m, 8 + m, 0.1f - depth);
    if (cache) kept.offer(key);
    if (whole) groundCover().resume();
    drawMountains(nearFirst ? MountainFaces::Far : MountainFaces::All);
}

// On a caching path: the window rows the opaque ground will cover, scissored
// off until the ground is drawn. Only when everything drawn before the
// ground lies behind it, so its opaque texels replace whatever is there.
void ModelManager::coverGroundHiddenRows() {
    GroundCover& cover = groundCover();
    cover.hiddenRows = 0;
    if (!drawTechniques().groundHiddenRows) return;
    constexpr float kBehind = 0.9f;  // the ground lies at depth 1
    for (const Particle& p : particles)
        if (!(p.z < kBehind)) return;
    for (const Rabbit& r : rabbits)
        if (!(r.z < kBehind)) return;
    for (const AirEnemy& e : enemies)
        if (!(e.z + std::fabs(e.radius) < kBehind)) return;
    for (const auto* list : {&playerBullets, &enemyBullets})
        for (const Bullet& b : *list)
            if (!(b.z < kBehind)) return;
    if (player && !(std::fabs(player->z) * 2 + std::fabs(player->turretZ) < kBehind)) return;
    const float scroll = static_cast<float>(-distance);
    cover.measure(textures[TexGround], {currentMountainsPos.x + scroll, currentMountainsPos.y, 0},
                  {nextMountainsPos.x + scroll, nextMountainsPos.y, 0},
                  static_cast<float>(mountainLength));
    cover.begin();
}
