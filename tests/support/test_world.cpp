// SPDX-License-Identifier: MIT
// A world for tests: a hand-driven clock and stand-in textures.
#include "support/test_world.h"

GameClock ManualClock::clock() {
    GameClock c;
    c.nowMs = [this] { return now; };
    c.sleepMs = [this](int ms) {
        sleeps.push_back(ms);
        now += ms;
    };
    return c;
}

TextureLoader FakeTextures::loader() {
    return [this](const std::string& path, std::string&) {
        paths.push_back(path);
        return static_cast<unsigned int>(1000 + paths.size() - 1);
    };
}

TestWorld::TestWorld() {
    world = std::make_unique<ModelManager>(images->loader(), time->clock());
}

void TestWorld::frame(long ms) {
    time->now += ms;
    world->updateFrame();
    world->finishBackground();
}
