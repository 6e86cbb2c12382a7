// SPDX-License-Identifier: MIT
// Building and resetting the world object.
#include "world/model_manager.h"

#include "render/asset_paths.h"
#include "render/light_sets.h"
#include "world/balloon_meshes.h"

ModelManager* modelManager = nullptr;

ModelManager::ModelManager(TextureLoader loader, GameClock gameClock)
    : clock(std::move(gameClock)) {
    gameState = InitialMenu;
    player = std::make_unique<Player>();
    viewOffset = {-10, -4, -150};
    mountainLength = 50;
    mountainDepth = 30;
    mountainStartX = -20;
    scrollAcceleration = static_cast<double>(0.01f);
    menuHue = 0;

    loadTextures(loader);

    terrainLight = std::make_unique<Lighting>(makeTerrainLight());
    sphereLight = std::make_unique<Lighting>(makeSphereLight());
    sphereMeshes = makeBalloonMeshes(modelPath("sphere.obj"), sphereLight.get());
    buildMountains();

    const float depth = static_cast<float>(mountainDepth);
    clouds = std::make_unique<Clouds>(-4.0f, 24.0f, 1.0f, 6.0f, 1 - depth, -depth, 0.5f, 1.0f,
                                      2.0f, 5.0f,
                                      std::vector<unsigned int>{textures[TexCloudA],
                                                                textures[TexCloudB]});

    lastClock = clock.nowMs();
    scrollSpeed = 0.75;
    distance = 0;
    transitionProgress = 0;
    currentMountainsPos = {mountainStartX, 0, 0};
    nextMountainsPos = {static_cast<float>(mountainLength) + mountainStartX, 0, 0};

    resetGame();
}

ModelManager::~ModelManager() { worker.wait(); }

void ModelManager::buildMountains() {
    currentMountains = std::make_unique<Mountains>(
        terrainLight.get(), mountainLength, mountainDepth, 8.0f, 4.0f, 4.0f, 0.234375f, 0.21875f,
        0.2265625f, modelPath("mountain1.kernel"));
    nextMountains = currentMountains->makeSuccessor();
}

void ModelManager::resetGame() {
    player->reset();
    score = 0;
    enemyLimit = 2.0f;
    // Swapping with empty vectors releases their storage too.
    std::vector<Particle>().swap(particles);
    std::vector<Explosion>().swap(explosions);
    std::vector<Rabbit>().swap(rabbits);
    std::vector<Bullet>().swap(playerBullets);
    std::vector<Bullet>().swap(enemyBullets);
}
