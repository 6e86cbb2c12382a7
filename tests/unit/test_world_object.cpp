// SPDX-License-Identifier: MIT
// Tests: building and resetting the world.
#include <gtest/gtest.h>

#include "platform/executable_path.h"
#include "support/test_world.h"

TEST(WorldObject, StartsInTheMenuWithItsFiguresSet) {
    TestWorld tw;
    const ModelManager& world = *tw.world;
    EXPECT_EQ(world.gameState, InitialMenu);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.enemyLimit, 2.0f);
    EXPECT_EQ(world.scrollSpeed, 0.75);
    EXPECT_EQ(world.scrollAcceleration, 0.009999999776482582);
    EXPECT_EQ(world.distance, 0);
    EXPECT_EQ(world.currentMountainsPos.x, -20);
    EXPECT_EQ(world.nextMountainsPos.x, 30);
    EXPECT_EQ(world.viewOffset.z, -150);
    ASSERT_EQ(world.sphereMeshes.size(), 3u);
    ASSERT_NE(world.currentMountains, nullptr);
    ASSERT_NE(world.nextMountains, nullptr);
    ASSERT_NE(world.clouds, nullptr);
    EXPECT_EQ(world.clouds->cloudList.size(), 5u);
}

TEST(WorldObject, TexturesLoadInTableOrderIntoTheirSlots) {
    TestWorld tw;
    const auto& paths = tw.images->paths;
    ASSERT_EQ(paths.size(), 51u);
    const std::string textures = pathSeparator() + std::string("textures") + pathSeparator();
    EXPECT_NE(paths[0].find(textures + "MENU_INITIAL.png"), std::string::npos);
    EXPECT_NE(paths[17].find(textures + "BULLET_04.png"), std::string::npos);
    EXPECT_NE(paths[50].find(textures + "ZAP.png"), std::string::npos);
    const TextureTable& t = tw.world->textures;
    EXPECT_EQ(t[0], 1000u);
    EXPECT_EQ(t[6], 0u);
    EXPECT_EQ(t[45], 1017u);
    EXPECT_EQ(t[18], 1019u);
    EXPECT_EQ(t[51], 1050u);
}

TEST(WorldObject, AMissingImageIsReportedAndLeftAtZero) {
    testing::internal::CaptureStdout();
    ModelManager world([](const std::string& path, std::string& problem) -> unsigned int {
        if (path.find("GROUND.png") == std::string::npos) return 7;
        problem = "gone";
        return 0;
    }, GameClock::steady());
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(world.textures[9], 0u);
    EXPECT_EQ(world.textures[10], 7u);
    const auto loading =
        out.find(pathSeparator() + std::string("textures") + pathSeparator() + "GROUND.png\n");
    ASSERT_NE(loading, std::string::npos);
    const size_t pathStart = out.rfind("Loading ", loading) + 8;
    const std::string path = out.substr(pathStart, loading + 20 - pathStart);
    EXPECT_EQ(out.substr(loading + 21, 39), "ERROR: Could not load Texture Index 9 \n");
    EXPECT_EQ(out.substr(loading + 60, path.size() + 26),
              "Picture " + path + " not loaded: gone\n");
    // Textures first, then the models.
    EXPECT_LT(out.find("ZAP.png"), out.find("sphere.obj"));
    EXPECT_LT(out.find("sphere.obj"), out.find("mountain1.kernel"));
}

TEST(WorldObject, ResetEmptiesTheListsButKeepsTheBalloons) {
    TestWorld tw;
    ModelManager& world = *tw.world;
    world.enemies.emplace_back(24, 5, 0.03f, world.textures, world.sphereMeshes, 0.5f, 1, 19);
    world.rabbits.emplace_back(24, -0.01f, 0.01f, world.textures);
    world.playerBullets.emplace_back(0, 1, 1, 0.05f, world.textures);
    world.score = 5;
    world.resetGame();
    EXPECT_EQ(world.enemies.size(), 1u);
    EXPECT_TRUE(world.rabbits.empty());
    EXPECT_TRUE(world.playerBullets.empty());
    EXPECT_EQ(world.score, 0);

    // The menu's smaller reset empties nothing.
    world.rabbits.emplace_back(24, -0.01f, 0.01f, world.textures);
    world.score = 3;
    world.enemyLimit = 2.7f;
    world.gameState = InitialMenu;
    world.enterState(InitialMenu);
    EXPECT_EQ(world.rabbits.size(), 1u);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.enemyLimit, 2.0f);
}
