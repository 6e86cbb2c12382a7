// SPDX-License-Identifier: MIT
// One frame of the world: timing and the frame cap, shake, scroll and the state's work.
#include "gameplay/emitters.h"
#include "geometry/random.h"
#include "world/model_manager.h"

namespace {
constexpr double kShortestFrame = 1.0 / 60;
}

void ModelManager::setPaused(bool on) {
    paused = on;
    if (!on) lastClock = clock.nowMs();
}

void ModelManager::updateFrame() {
    if (paused) {
        // A frame's wait and nothing else: no draws from the random sequence.
        clock.sleepMs(static_cast<int>(kShortestFrame * 1000));
        return;
    }
    const long now = clock.nowMs();
    double dt = static_cast<double>(now - lastClock) / 1000;
    if (dt < kShortestFrame) {
        // Cap at 60 frames per second; a short frame counts as exactly 1/60.
        clock.sleepMs(static_cast<int>((kShortestFrame - dt) * 1000));
        dt = kShortestFrame;
    }
    const float dtf = static_cast<float>(dt);

    shake.amount = shake.amount - dtf * 8 * shake.amount;
    if (!(shake.amount > 0)) shake.amount = 0;
    const float r1 = randUnit();
    const float r2 = randUnit();
    const float r3 = randUnit();
    const float jitter = shake.amount * 0.8f;
    shake.offsetZ = shake.offsetZ * 0.2f + (2 * r1 - 1) * jitter;
    shake.offsetX = shake.offsetX * 0.2f + (2 * r3 - 1) * jitter;
    shake.offsetY = shake.offsetY * 0.2f + (2 * r2 - 1) * jitter;

    // The hue restarts at 0 rather than wrapping.
    menuHue = static_cast<float>(dt * 90 + menuHue);
    if (menuHue > 360) menuHue = 0;
    fps = static_cast<float>(1 / dt);
    // Read again after the sleep, so the sleep is not counted next frame.
    lastClock = clock.nowMs();

    scrollSpeed = scrollAcceleration * dt + scrollSpeed;
    distance = scrollSpeed * dt + distance;

    const float k = (transitionFromX - transitionToX) * 0.5f;

    // Clouds and mountains move on the worker while the main thread plays;
    // the worker sees the scroll as it stood at launch.
    const double launchDistance = distance;
    const double launchSpeed = scrollSpeed;
    worker.start([this, dtf, launchDistance, launchSpeed] {
        updateBackground(dtf, launchDistance, launchSpeed);
    });

    switch (gameState) {
    case InitialMenu:
    case DeathMenu:
        updateWorld(dtf, 1, false);
        break;
    case Playing:
        updateWorld(dtf, 1, true);
        break;
    case EnteringPlay:
        updateWorld(dtf, 1, false);
        player->update(static_cast<float>(distance), dtf);
        emitWheelDust(particles, textures, *player);
        transitionProgress = static_cast<float>(dt * 0.5 + transitionProgress);
        if (transitionProgress >= 1) {
            transitionProgress = 1;
            switchState(Playing);
        } else {
            player->x = (transitionToX - transitionFromX) * transitionProgress + transitionFromX;
        }
        break;
    case LeavingPlay:
    case Dying:
        runTransitionOut(dt, dtf, k);
        break;
    default:
        break;
    }

    if (score > peakScore) peakScore = score;
    // Nothing may draw the clouds or mountains while the worker moves them.
    worker.wait();
}

// The drive-out after Esc or death: the world runs k + 1 times as fast while
// the car drives off to the left; a dying car burns on the way.
void ModelManager::runTransitionOut(double dt, float dtf, float k) {
    distance = distance + scrollSpeed * dt * k;
    const float m = k + 1;
    updateWorld(static_cast<float>(m * dt), k, false);

    // A jump in progress still lands.
    if (player->advanceJump(dtf)) cue(CueKind::Land, player->x + player->bodyWidth / 2);

    if (!(transitionProgress > 0)) {
        transitionProgress = 0;
        finishedScore = peakScore;
        if (gameState == LeavingPlay) {
            switchState(InitialMenu);
        } else {
            gameState = DeathMenu;
        }
        return;
    }
    player->x = static_cast<float>(player->x - scrollSpeed * dt * m);
    transitionProgress = (player->x - transitionToX) / (transitionFromX - transitionToX);

    if (gameState != Dying) return;
    const float p = static_cast<float>(dt * 0.5 * k);
    if (p > randUnit()) {
        const float top = player->bodyHeight + player->jumpOffset(0);
        const float bottom = player->jumpOffset(0);
        const float y = randUnit() * (top - bottom) + bottom;
        const float left = player->x;
        const float right = player->bodyWidth + player->x;
        const float x = randUnit() * (right - left) + left;
        spawnExplosion(x, y, 1);
    }
}

void ModelManager::updateBackground(float dt, double scrolled, double speed) {
    clouds->update(dt, static_cast<float>(speed / 10));

    // Hand over once the view passes the middle of the next segment; at most
    // one per frame, so after a long jump the segments catch up frame by frame.
    const int half = mountainLength / 2;
    if (scrolled > static_cast<float>(half) + nextMountainsPos.x) {
        currentMountainsPos = nextMountainsPos;
        // The dropped segment is freed here: nothing draws while this runs.
        currentMountains = std::move(nextMountains);
        nextMountainsPos.x = static_cast<float>(mountainLength) + nextMountainsPos.x;
        nextMountains = currentMountains->makeSuccessor();
    }
}

void ModelManager::finishBackground() { worker.wait(); }
