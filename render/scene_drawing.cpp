// SPDX-License-Identifier: MIT
// Drawing one frame of the world in the fixed order of its state.
#include <GL/gl.h>

#include "app/hidden_modes.h"
#include "render/draw_path.h"
#include "render/ground_cover.h"
#include "render/hsv.h"
#include "render/overlay_cache.h"
#include "render/quad.h"
#include "render/quad_state.h"
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
// Mountain faces this much nearer than the moon count as in front of every
// back layer.
constexpr float kNearMargin = 0.01f;

float depthOffset(size_t i) { return static_cast<float>(i) * kDepthStep; }

// True on a caching path while drawScene runs: the draw-state choices below
// apply only then.
bool fast() { return quadState().inFrame; }

// Meshes are untextured and their colours opaque: blending would give the
// same colours.
void fastMeshState() {
    quadState().bind(0);
    if (drawTechniques().meshesWithoutBlend) glDisable(GL_BLEND);
}

}  // namespace

void ModelManager::drawScene() {
    // The clouds and mountains are changed by the background work.
    finishBackground();
    shake.apply();
    glDisable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The caching paths keep their draw state across the frame's quads.
    const bool fastFrame = drawOptimised();
    if (fastFrame) {
        quadState().beginFrame();
        coverGroundHiddenRows();
    }

    // Transparent texels still write depth, so the order decides what covers
    // what.
    switch (gameState) {
        case InitialMenu:
            drawBackground();
            drawCreatures();
            drawBullets();
            drawGround();
            drawOverlay(TexMenuInitial);
            break;
        case EnteringPlay:
            drawBackground();
            if (player) player->draw(textures, false);
            drawCreatures();
            drawBullets();
            drawGround();
            drawOverlay(TexMenuInitial);
            break;
        case Playing:
            drawPlay(false);
            break;
        case LeavingPlay:
            drawPlay(true);
            drawOverlay(TexMenuPlayingToInitial);
            break;
        case Dying:
            drawPlay(true);
            drawOverlay(TexMenuPlayingToDeath);
            break;
        case DeathMenu:
            drawBackground();
            drawCreatures();
            drawGround();
            drawBullets();
            drawOverlay(TexMenuDeath);
            break;
        default:
            break;
    }
    if (fastFrame) {
        groundCover().end();
        quadState().endFrame();
    }

    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

// Play and the two drive-outs: everything, the car standing still (no engine
// shake) while it drives out.
void ModelManager::drawPlay(bool carStill) {
    drawBackground();
    drawParticles();
    if (player) player->draw(textures, carStill);
    drawCreatures();
    drawBullets();
    drawGround();
    drawExplosions();
}

void ModelManager::drawBackground() {
    const float depth = static_cast<float>(mountainDepth);
    // The moon shrinks about its centre (0, 9) as the car loses health.
    const float m = player ? 1 - player->health / player->maxHealth : 0;
    if (!fast()) {
        drawPlainQuad(textures[TexBackground], -4, 24, 12, -2, -depth);
        drawPlainQuad(textures[TexNightSky], -4, 24, 12, 5, 0.05f - depth);
        drawPlainQuad(textures[TexMoon], m - 1, 1 - m, 10 - m, 8 + m, 0.1f - depth);
        drawMountains(MountainFaces::All);
    } else {
        drawBackLayersFast(depth, m);
    }
    // Screen-fixed: drawn without the scroll.
    if (clouds) clouds->draw();
}

void ModelManager::drawMountains(MountainFaces faces) {
    glPushMatrix();
    glTranslatef(static_cast<float>(-distance), 0, 0);
    const std::pair<Mountains*, Vec3> segments[] = {{currentMountains.get(), currentMountainsPos},
                                                    {nextMountains.get(), nextMountainsPos}};
    // Faces nearer than the moon, the nearest back layer.
    const float split = 0.1f - static_cast<float>(mountainDepth) + kNearMargin;
    for (const auto& [segment, p] : segments) {
        if (!segment || !segment->mesh) continue;
        segment->mesh->color = tintMode ? kTintColor : segment->color;
        const Vec3 viewer{static_cast<float>(distance - viewOffset.x), -viewOffset.y - p.y,
                          kMountainViewerZ};
        if (fast()) fastMeshState();
        const Vec3 at{p.x, p.y - 1, p.z};
        if (!fast()) {
            segment->mesh->drawLit(at, viewer);
        } else {
            const float faceSplit = faces == MountainFaces::All ? std::nanf("") : split;
            segment->mesh->drawLitPart(at, viewer, faceSplit, faces == MountainFaces::Near);
        }
        if (fast()) glEnable(GL_BLEND);
    }
    glPopMatrix();
}

void ModelManager::drawParticles() {
    const GroundCover& cover = groundCover();
    for (size_t i = 0; i < particles.size(); ++i) {
        const Particle& p = particles[i];
        if (!p.animation.running) continue;
        // A particle wholly under the opaque ground would only be covered.
        if (cover.scissoring) {
            const Vec3 o = currentFrameOffset(p.animation);
            if (cover.hides(p.x + o.x, p.y + o.y, p.z + depthOffset(i) + o.z, p.size * 0.7072f))
                continue;
        }
        const float alpha = p.fades ? 1 - p.age / p.fadeTime : 1;
        drawRotatedSpriteFrame(p.animation, p.age * p.spinRate, alpha, p.x - p.size / 2,
                               p.y - p.size / 2, p.z + depthOffset(i), p.size, p.size);
    }
}

void ModelManager::drawCreatures() {
    for (size_t i = 0; i < rabbits.size(); ++i) {
        const Rabbit& r = rabbits[i];
        drawSpriteFrame(r.activeAnimation(), r.width, r.height, r.x, r.y, r.z + depthOffset(i));
    }
    for (size_t i = 0; i < enemies.size(); ++i) {
        drawAirEnemy(enemies[i], depthOffset(i), -viewOffset.x, -viewOffset.y, kEnemyViewerZ);
    }
}

void ModelManager::drawAirEnemy(const AirEnemy& e, float dz, float viewerX, float viewerY,
                                float viewerZ) {
    // Each hit shows the next coarser mesh; a destroyed balloon shows nothing.
    const int k = e.meshCount - e.hitsLeft;
    if (k < 0 || k >= e.meshCount) return;

    const float r = e.radius;
    if (e.meshes && static_cast<size_t>(k) < e.meshes->size() && r != 0) {
        // A copy, so the shared mesh keeps its colour mode and light terms.
        TriMesh balloon = (*e.meshes)[static_cast<size_t>(k)];
        balloon.colorMode = tintMode ? TriangleColors : MeshColor;
        if (fast()) fastMeshState();
        glPushMatrix();
        glScalef(r, r, r);
        const Vec3 at{e.x / r, e.y / r, e.z / r};
        const Vec3 viewer{viewerX / r, viewerY / r, viewerZ / r};
        if (fast()) balloon.drawLitPart(at, viewer, std::nanf(""), false);
        else balloon.drawLit(at, viewer);
        glPopMatrix();
        if (fast()) glEnable(GL_BLEND);
    }

    drawSpriteFrame(e.animation, 2 * r, 2 * r, e.x - e.width / 2 - 0.1f * r, e.y - 2.2f * r,
                    e.z + dz - kPassengerGap);
    const unsigned int basket = e.textures ? (*e.textures)[TexBasket] : textures[TexBasket];
    drawPlainQuad(basket, e.x - e.width / 2, e.x + e.width / 2, e.y,
                  e.y - e.height / 2 - 1.5f * r, e.z + dz);
}

namespace {
// A bullet turns about its unrotated lower-left corner.
void drawBullet(const Bullet& b, float dz) {
    const float z = b.z + dz;
    const Vec3 o = currentFrameOffset(b.animation);
    glPushMatrix();
    glTranslatef(b.x, b.y, z);
    glRotatef(b.angle, 0, 0, 1);
    glTranslatef(-b.x, -b.y, -z);
    quadState().popFollows = true;
    drawPlainQuad(currentFrameTexture(b.animation), b.x + o.x, b.x + o.x + b.width,
                 b.y + o.y + b.height, b.y + o.y, z + o.z);
    quadState().popFollows = false;
    glPopMatrix();
}
}  // namespace

void ModelManager::drawBullets() {
    // The player's later bullets lie further away, the enemies' nearer.
    for (size_t i = 0; i < playerBullets.size(); ++i)
        drawBullet(playerBullets[i], -depthOffset(i));
    for (size_t i = 0; i < enemyBullets.size(); ++i) drawBullet(enemyBullets[i], depthOffset(i));
}

void ModelManager::drawGround() {
    // The ground itself fills the covered rows.
    groundCover().end();
    glPushMatrix();
    glTranslatef(static_cast<float>(-distance), 0, 0);
    // The texture repeats 1.8 times along each segment.
    for (const Vec3& p : {currentMountainsPos, nextMountainsPos}) {
        drawQuad(textures[TexGround], p.x, p.x + static_cast<float>(mountainLength), p.y + 0.4f,
                 p.y - 3, 0, 1.8f, 1, 0, 1, 1, 1, 1, 1);
    }
    glPopMatrix();
}

void ModelManager::drawExplosions() {
    for (size_t i = 0; i < explosions.size(); ++i) {
        const Explosion& e = explosions[i];
        const Vec3 o = currentFrameOffset(e.animation);
        drawPlainQuad(currentFrameTexture(e.animation), e.x + o.x, e.x + o.x + e.size,
                     e.y + o.y + e.size, e.y + o.y, e.z + depthOffset(i) + o.z);
    }
}

void ModelManager::drawOverlay(int index) {
    if (index < 0 || index >= kTextureCount) return;
    glPushMatrix();
    // A fully saturated colour that runs around the hue circle.
    const Vec3 rgb = hsvToRgb(menuHue, 1, 1);
    const float alpha = gameState == Dying ? 1 : 1 - transitionProgress;
    const unsigned int texture = textures[static_cast<size_t>(index)];
    // In the menus and the drive-in nothing nearer than the picture (depth 3)
    // is drawn, so its depth test could only pass.
    if (fast() && drawTechniques().overlayWithoutDepthTest &&
        (gameState == InitialMenu || gameState == EnteringPlay || gameState == DeathMenu)) {
        const bool tint = tintMode;  // depth 3 is nearer than the tint limit
        glColor4f(tint ? 1 : rgb.x, tint ? 0.5f : rgb.y, tint ? 0 : rgb.z, alpha);
        ViewKey key = ViewKey::current();
        key.add(texture);
        const bool drawn = drawTechniques().overlayCache && overlayCache().draw(key, [texture] {
            quadState().env(GL_REPLACE);
            glBindTexture(GL_TEXTURE_2D, texture);
            emitQuad(-2, 22, 11, -2.5f, 0, 1, 1, 0, 3);
            glBindTexture(GL_TEXTURE_2D, 0);
            quadState().forget();
        });
        if (!drawn) {
            glDisable(GL_DEPTH_TEST);
            drawQuad(texture, -2, 22, 11, -2.5f, 0, 1, 1, 0, 3, rgb.x, rgb.y, rgb.z, alpha);
            glEnable(GL_DEPTH_TEST);
        }
        glPopMatrix();
        return;
    }
    drawQuad(texture, -2, 22, 11, -2.5f, 0, 1, 1, 0, 3, rgb.x, rgb.y, rgb.z, alpha);
    glPopMatrix();
}
