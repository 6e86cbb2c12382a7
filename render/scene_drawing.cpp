// SPDX-License-Identifier: MIT
// Drawing one frame of the world in the fixed order of its state.
#include <GL/gl.h>

#include "app/hidden_modes.h"
#include "render/draw_caches.h"
#include "render/hsv.h"
#include "render/quad.h"
#include "render/sprite_frame.h"
#include "render/view_key.h"
#include "world/model_manager.h"

namespace {
// Sprites of one list lie this much apart in depth so they never fight.
constexpr float kDepthStep = 0.00001f;
// The rabbit in a basket lies this much behind the basket.
constexpr float kPassengerGap = 0.0005f;
constexpr Vec3 kTintColor{1.0f, 0.5f, 0.0f};
constexpr float kMountainViewerZ = 10;
constexpr float kEnemyViewerZ = 2;

float depthOffset(size_t i) { return static_cast<float>(i) * kDepthStep; }

// A picture without an alpha channel.
bool textureOpaque(unsigned int texture) {
    if (texture == 0) return false;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint alphaBits = 1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    glBindTexture(GL_TEXTURE_2D, 0);
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

void ModelManager::drawScene(DrawCaches& caches) {
    // The clouds and mountains are changed by the background work.
    finishBackground();
    shake.apply();
    glDisable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    QuadDrawer& quads = caches.beginFrame();

    // Transparent texels still write depth, so the order decides what covers
    // what.
    switch (gameState) {
        case InitialMenu:
            drawBackground(caches, quads);
            drawCreatures(quads);
            drawBullets(quads);
            drawGround(quads);
            drawOverlay(TexMenuInitial, caches, quads);
            break;
        case EnteringPlay:
            drawBackground(caches, quads);
            if (player) player->draw(textures, false, quads, paused);
            drawCreatures(quads);
            drawBullets(quads);
            drawGround(quads);
            drawOverlay(TexMenuInitial, caches, quads);
            break;
        case Playing:
            drawPlay(false, caches, quads);
            break;
        case LeavingPlay:
            drawPlay(true, caches, quads);
            drawOverlay(TexMenuPlayingToInitial, caches, quads);
            break;
        case Dying:
            drawPlay(true, caches, quads);
            drawOverlay(TexMenuPlayingToDeath, caches, quads);
            break;
        case DeathMenu:
            drawBackground(caches, quads);
            drawCreatures(quads);
            drawGround(quads);
            drawBullets(quads);
            drawOverlay(TexMenuDeath, caches, quads);
            break;
        default:
            break;
    }
    caches.endFrame();

    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

// Play and the two drive-outs: everything, the car standing still (no engine
// shake) while it drives out.
void ModelManager::drawPlay(bool carStill, DrawCaches& caches, QuadDrawer& quads) {
    drawBackground(caches, quads);
    drawParticles(quads);
    if (player) player->draw(textures, carStill, quads, paused);
    drawCreatures(quads);
    drawBullets(quads);
    drawGround(quads);
    drawExplosions(quads);
}

void ModelManager::drawBackground(DrawCaches& caches, QuadDrawer& quads) {
    const float depth = static_cast<float>(mountainDepth);
    // The moon shrinks about its centre (0, 9) as the car loses health.
    const float m = player ? 1 - player->health / player->maxHealth : 0;
    const bool caching = caches.path() != DrawPath::Plain;
    const auto drawBackLayers = [&] {
        // On a caching path an RGB backdrop goes without blending, which
        // would give its own texels, and, as the first draw after the clear,
        // with a depth test that could only pass.
        const bool opaque = caching && caches.techniques.opaqueBackdrop &&
                            textureOpaque(textures[TexBackground]);
        const bool always = opaque && passesClearedDepth(-4, 24, -2, 12, -depth);
        if (caching) caches.quads.forget();  // textureOpaque binds
        if (opaque) glDisable(GL_BLEND);
        if (always) glDepthFunc(GL_ALWAYS);
        drawPlainQuad(quads, textures[TexBackground], -4, 24, 12, -2, -depth);
        if (always) glDepthFunc(GL_LESS);
        if (opaque) glEnable(GL_BLEND);
        drawPlainQuad(quads, textures[TexNightSky], -4, 24, 12, 5, 0.05f - depth);
        drawPlainQuad(quads, textures[TexMoon], m - 1, 1 - m, 10 - m, 8 + m, 0.1f - depth);
    };
    if (!caching || !caches.techniques.backLayerCache) {
        drawBackLayers();
    } else {
        // The three layers are the first draws after the clear: their pixels
        // depend only on the view, their pictures and the moon's size.
        ViewKey key = ViewKey::current();
        for (int t : {TexBackground, TexNightSky, TexMoon}) key.add(textures[t]);
        key.add(depth);
        key.add(m);
        const auto drawDepth = [&] {
            emitQuad(-4, 24, 12, -2, 0, 1, 1, 0, -depth);
            emitQuad(-4, 24, 12, 5, 0, 1, 1, 0, 0.05f - depth);
            emitQuad(m - 1, 1 - m, 10 - m, 8 + m, 0, 1, 1, 0, 0.1f - depth);
        };
        if (!caches.backLayers.restore(key, drawDepth)) {
            drawBackLayers();
            caches.backLayers.offer(key, caches.backLayerStore());
        }
        caches.quads.forget();
    }
    drawMountains(quads);
    // Screen-fixed: drawn without the scroll.
    if (clouds) clouds->draw(quads);
}

void ModelManager::drawMountains(QuadDrawer& quads) {
    quads.beginMeshes();
    glPushMatrix();
    glTranslatef(static_cast<float>(-distance), 0, 0);
    const std::pair<Mountains*, Vec3> segments[] = {{currentMountains.get(), currentMountainsPos},
                                                    {nextMountains.get(), nextMountainsPos}};
    for (const auto& [segment, p] : segments) {
        if (!segment || !segment->mesh) continue;
        segment->mesh->color = tintMode ? kTintColor : segment->color;
        const Vec3 viewer{static_cast<float>(distance - viewOffset.x), -viewOffset.y - p.y,
                          kMountainViewerZ};
        segment->mesh->drawLit({p.x, p.y - 1, p.z}, viewer);
    }
    glPopMatrix();
    quads.endMeshes();
}

void ModelManager::drawParticles(QuadDrawer& quads) {
    for (size_t i = 0; i < particles.size(); ++i) {
        const Particle& p = particles[i];
        if (!p.animation.running) continue;
        const float alpha = p.fades ? 1 - p.age / p.fadeTime : 1;
        drawRotatedSpriteFrame(quads, p.animation, p.age * p.spinRate, alpha, p.x - p.size / 2,
                               p.y - p.size / 2, p.z + depthOffset(i), p.size, p.size);
    }
}

void ModelManager::drawCreatures(QuadDrawer& quads) {
    for (size_t i = 0; i < rabbits.size(); ++i) {
        const Rabbit& r = rabbits[i];
        drawSpriteFrame(quads, r.activeAnimation(), r.width, r.height, r.x, r.y,
                        r.z + depthOffset(i));
    }
    for (size_t i = 0; i < enemies.size(); ++i) {
        drawAirEnemy(enemies[i], depthOffset(i), -viewOffset.x, -viewOffset.y, kEnemyViewerZ,
                     quads);
    }
}

void ModelManager::drawAirEnemy(const AirEnemy& e, float dz, float viewerX, float viewerY,
                                float viewerZ, QuadDrawer& quads) {
    // Each hit shows the next coarser mesh; a destroyed balloon shows nothing.
    const int k = e.meshCount - e.hitsLeft;
    if (k < 0 || k >= e.meshCount) return;

    const float r = e.radius;
    if (e.meshes && static_cast<size_t>(k) < e.meshes->size() && r != 0) {
        // A copy, so the shared mesh keeps its colour mode and light terms.
        TriMesh balloon = (*e.meshes)[static_cast<size_t>(k)];
        balloon.colorMode = tintMode ? TriangleColors : MeshColor;
        quads.beginMeshes();
        glPushMatrix();
        glScalef(r, r, r);
        balloon.drawLit({e.x / r, e.y / r, e.z / r}, {viewerX / r, viewerY / r, viewerZ / r});
        glPopMatrix();
        quads.endMeshes();
    }

    drawSpriteFrame(quads, e.animation, 2 * r, 2 * r, e.x - e.width / 2 - 0.1f * r,
                    e.y - 2.2f * r, e.z + dz - kPassengerGap);
    const unsigned int basket = e.textures ? (*e.textures)[TexBasket] : textures[TexBasket];
    drawPlainQuad(quads, basket, e.x - e.width / 2, e.x + e.width / 2, e.y,
                  e.y - e.height / 2 - 1.5f * r, e.z + dz);
}

namespace {
// A bullet turns about its unrotated lower-left corner.
void drawBullet(QuadDrawer& quads, const Bullet& b, float dz) {
    const float z = b.z + dz;
    const Vec3 o = currentFrameOffset(b.animation);
    glPushMatrix();
    glTranslatef(b.x, b.y, z);
    glRotatef(b.angle, 0, 0, 1);
    glTranslatef(-b.x, -b.y, -z);
    drawPlainQuad(quads, currentFrameTexture(b.animation), b.x + o.x, b.x + o.x + b.width,
                  b.y + o.y + b.height, b.y + o.y, z + o.z, true);
    glPopMatrix();
}
}  // namespace

void ModelManager::drawBullets(QuadDrawer& quads) {
    // The player's later bullets lie further away, the enemies' nearer.
    for (size_t i = 0; i < playerBullets.size(); ++i)
        drawBullet(quads, playerBullets[i], -depthOffset(i));
    for (size_t i = 0; i < enemyBullets.size(); ++i)
        drawBullet(quads, enemyBullets[i], depthOffset(i));
}

void ModelManager::drawGround(QuadDrawer& quads) {
    glPushMatrix();
    glTranslatef(static_cast<float>(-distance), 0, 0);
    // The texture repeats 1.8 times along each segment.
    for (const Vec3& p : {currentMountainsPos, nextMountainsPos}) {
        quads.draw(textures[TexGround], p.x, p.x + static_cast<float>(mountainLength), p.y + 0.4f,
                   p.y - 3, 0, 1.8f, 1, 0, 1, 1, 1, 1, 1, false);
    }
    glPopMatrix();
}

void ModelManager::drawExplosions(QuadDrawer& quads) {
    for (size_t i = 0; i < explosions.size(); ++i) {
        const Explosion& e = explosions[i];
        const Vec3 o = currentFrameOffset(e.animation);
        drawPlainQuad(quads, currentFrameTexture(e.animation), e.x + o.x, e.x + o.x + e.size,
                      e.y + o.y + e.size, e.y + o.y, e.z + depthOffset(i) + o.z);
    }
}

void ModelManager::drawOverlay(int index, DrawCaches& caches, QuadDrawer& quads) {
    if (index < 0 || index >= kTextureCount) return;
    glPushMatrix();
    // A fully saturated colour that runs around the hue circle.
    const Vec3 rgb = hsvToRgb(menuHue, 1, 1);
    const float alpha = gameState == Dying ? 1 : 1 - transitionProgress;
    const unsigned int texture = textures[static_cast<size_t>(index)];
    // In the menus and the drive-in nothing nearer than the picture (depth 3)
    // is drawn, so on a caching path it goes without the depth test, which
    // could only pass, and may be drawn from the kept texels.
    const bool noDepthTest = caches.path() != DrawPath::Plain &&
                             caches.techniques.overlayWithoutDepthTest &&
                             (gameState == InitialMenu || gameState == EnteringPlay ||
                              gameState == DeathMenu);
    bool kept = false;
    if (noDepthTest && caches.path() == DrawPath::FramebufferBlit &&
        caches.techniques.overlayCache) {
        setQuadColor(3, rgb.x, rgb.y, rgb.z, alpha);
        ViewKey key = ViewKey::current();
        key.add(texture);
        kept = caches.overlay.draw(key, [&] {
            glBindTexture(GL_TEXTURE_2D, texture);
            emitQuad(-2, 22, 11, -2.5f, 0, 1, 1, 0, 3);
            glBindTexture(GL_TEXTURE_2D, 0);
        });
        caches.quads.forget();
    }
    if (!kept) {
        if (noDepthTest) glDisable(GL_DEPTH_TEST);
        quads.draw(texture, -2, 22, 11, -2.5f, 0, 1, 1, 0, 3, rgb.x, rgb.y, rgb.z, alpha, false);
        if (noDepthTest) glEnable(GL_DEPTH_TEST);
    }
    glPopMatrix();
}
