// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gameplay/air_enemy.h"
#include "gameplay/bullet.h"
#include "gameplay/explosion.h"
#include "gameplay/particle.h"
#include "gameplay/player.h"
#include "gameplay/rabbit.h"
#include "gameplay/sound_cue.h"
#include "geometry/mountains.h"
#include "geometry/tri_mesh.h"
#include "render/clouds.h"
#include "render/lighting.h"
#include "render/texture_loader.h"
#include "render/texture_table.h"
#include "world/background_worker.h"
#include "world/game_clock.h"
#include "world/screen_shake.h"

class DrawCaches;
class QuadDrawer;

enum GameState : int {
    InitialMenu = 0,
    EnteringPlay = 1,
    Playing = 2,
    LeavingPlay = 3,
    Dying = 4,
    DeathMenu = 5,
};

// The whole game world in one object: state, frame figures, the car, every
// list of moving things, the balloon meshes, the mountains, the clouds, the
// lights and the textures.
class ModelManager {
public:
    int gameState = InitialMenu;
    TextureTable textures{};
    Vec3 viewOffset;
    float fps = 0;
    int score = 0;
    double distance = 0;
    double scrollSpeed = 0.75;
    double scrollAcceleration = 0.009999999776482582;
    int mountainLength = 50;
    int mountainDepth = 30;
    float mountainStartX = -20;
    float enemyLimit = 2.0f;
    float menuHue = 0;
    ScreenShake shake;
    std::unique_ptr<Player> player;
    std::vector<Bullet> playerBullets;
    std::vector<Bullet> enemyBullets;
    std::vector<TriMesh> sphereMeshes;
    std::vector<AirEnemy> enemies;
    std::vector<Rabbit> rabbits;
    std::vector<Particle> particles;
    std::vector<Explosion> explosions;
    std::unique_ptr<Mountains> currentMountains;
    Vec3 currentMountainsPos;
    std::unique_ptr<Mountains> nextMountains;
    Vec3 nextMountainsPos;
    std::unique_ptr<Clouds> clouds;
    std::unique_ptr<Lighting> terrainLight;
    std::unique_ptr<Lighting> sphereLight;
    long lastClock = 0;
    // The highest score of the game under way (hits take points back).
    int peakScore = 0;
    // The highest score of a game that just ended (the death screen
    // reached, or play left), for the application to offer as a best; it
    // clears it.
    std::optional<int> finishedScore;
    // A paused game: frames only wait, and nothing moves or sounds.
    bool paused = false;
    float transitionProgress = 0;
    float transitionFromX = 0;
    float transitionToX = 0;
    // Sounds of what happened since the application last took them.
    SoundCues cues;

    // Where time comes from; tests swap in their own clock.
    GameClock clock;
    // Runs updateBackground each frame; updateFrame waits for it before it
    // returns, so the frame is never drawn while clouds or mountains change.
    // Declared last so it stops before anything it touches is destroyed.
    BackgroundWorker worker;

    // Loads textures through `loader` (the real one needs a current OpenGL
    // context); tests pass a loader and clock of their own.
    explicit ModelManager(TextureLoader loader = loadTextureWithSoil,
                          GameClock clock = GameClock::steady());
    ~ModelManager();

    void resetGame();
    // On resume the frame clock restarts, so the first frame after a pause
    // counts one frame and not the pause's length.
    void setPaused(bool on);
    // Sets gameState and runs the new state's entry action.
    void switchState(int state);
    void updateFrame();
    // Clouds and the mountain hand-over, on the worker, with the scroll
    // figures as they stood when the frame launched it.
    void updateBackground(float dt, double scrolled, double speed);
    // Waits for any background work still running.
    void finishBackground();

    void updateWorld(float dt, float factor, bool playing);
    void resolveBulletHits(float margin, std::vector<Bullet>& bullets, bool fromEnemy);
    void shoot(unsigned int action);
    // A key's action on the car, with the sound of what it changed.
    void act(unsigned int action);
    void spawnExplosion(float x, float y, float k);
    // Every explosion starts here: built, appended and heard.
    void addExplosion(float size, float cx, float cy, CueKind kind);
    void cue(CueKind kind, float x, float strength = 1);

    void loadTextures(const TextureLoader& loader);
    void loadTexture(int index, std::string path, const TextureLoader& loader);

    // Draws the frame by the path `caches` took, with what it keeps.
    void drawScene(DrawCaches& caches);
    // The layers, their quads drawn by `quads`.
    void drawPlay(bool carStill, DrawCaches& caches, QuadDrawer& quads);
    void drawBackground(DrawCaches& caches, QuadDrawer& quads);
    void drawParticles(QuadDrawer& quads);
    void drawCreatures(QuadDrawer& quads);
    void drawAirEnemy(const AirEnemy& enemy, float depthOffset, float viewerX, float viewerY,
                      float viewerZ, QuadDrawer& quads);
    void drawBullets(QuadDrawer& quads);
    void drawGround(QuadDrawer& quads);
    void drawExplosions(QuadDrawer& quads);
    void drawOverlay(int index, DrawCaches& caches, QuadDrawer& quads);

private:
    void buildMountains();
    void drawMountains(QuadDrawer& quads);
    void runTransitionOut(double dt, float dtf, float k);
};

// The one world object.
extern ModelManager* modelManager;
