// SPDX-License-Identifier: MIT
// Tests: asset paths.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/executable_path.h"
#include "render/asset_paths.h"
#include "render/texture_table.h"

TEST(AssetPaths, DirectoryIsCutAtTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(directoryOf("/opt/games/krellwick"), "/opt/games");
    EXPECT_EQ(directoryOf("C:\\games\\krellwick.exe"), "C:\\games");
    EXPECT_EQ(directoryOf("a\\b/c"), "a\\b");
    // Without a separator the whole path stands as the directory.
    EXPECT_EQ(directoryOf("krellwick"), "krellwick");
}

TEST(AssetPaths, PathsSitNextToTheExecutableWhateverTheWorkingDirectory) {
    const std::string here = executableDirectory();
    std::filesystem::current_path("/");
    testing::internal::CaptureStdout();
    const std::string path = texturePath("CAR.png");
    const std::string model = modelPath("sphere.obj");
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string sep(1, pathSeparator());
    EXPECT_EQ(path, here + sep + "textures" + sep + "CAR.png");
    EXPECT_EQ(model, here + sep + "models" + sep + "sphere.obj");
    EXPECT_EQ(out, "Loading " + path + "\nLoading " + model + "\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(path)))
        << "the build places textures beside the program";
}

TEST(TextureTable, FiftyOneLoadsSkippingSixWithFourCars) {
    int cars = 0;
    bool seen[kTextureCount] = {};
    for (const TextureFile& entry : kTextureLoadOrder) {
        ASSERT_GE(entry.index, 0);
        ASSERT_LT(entry.index, kTextureCount);
        EXPECT_FALSE(seen[entry.index]) << entry.index;
        seen[entry.index] = true;
        if (std::string(entry.file) == "CAR.png") ++cars;
    }
    EXPECT_EQ(cars, 4);
    EXPECT_FALSE(seen[6]);
    EXPECT_STREQ(kTextureLoadOrder[17].file, "BULLET_04.png");
    EXPECT_EQ(kTextureLoadOrder[17].index, 45);
    EXPECT_STREQ(kTextureLoadOrder[50].file, "ZAP.png");
}
