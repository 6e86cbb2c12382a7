// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "world/model_manager.h"

// A clock the test moves by hand; sleeps advance it too and are recorded.
struct ManualClock {
    long now = 0;
    std::vector<int> sleeps;
    GameClock clock();
};

// Hands out texture names 1000 + n for the n-th image asked for, without
// OpenGL; records every path it was given.
struct FakeTextures {
    std::vector<std::string> paths;
    TextureLoader loader();
};

// A world built headless: fake textures, a manual clock, the real models.
struct TestWorld {
    std::shared_ptr<ManualClock> time = std::make_shared<ManualClock>();
    std::shared_ptr<FakeTextures> images = std::make_shared<FakeTextures>();
    std::unique_ptr<ModelManager> world;

    TestWorld();
    // One frame of `ms` milliseconds: the clock moves, then updateFrame runs
    // and the background work is waited for, as before a draw.
    void frame(long ms);
};
