// SPDX-License-Identifier: MIT
// Tests: the cloud layer's drift and replacement.
#include <gtest/gtest.h>

#include <thread>

#include "geometry/random.h"
#include "render/clouds.h"

namespace {
constexpr unsigned int kCloudA = 107;
constexpr unsigned int kCloudB = 108;

// The layer as the world builds it.
Clouds makeLayer() { return Clouds(-4, 24, 1, 6, -29, -30, 0.5f, 1, 2, 5, {kCloudA, kCloudB}); }

void expectFreshCloud(const Cloud& c) {
    EXPECT_GE(c.width, 2);
    EXPECT_LE(c.width, 5);
    EXPECT_FLOAT_EQ(c.height, c.width * 0.5f);
    EXPECT_GE(c.y, 1);
    EXPECT_LE(c.y, 6);
    EXPECT_GE(c.z, -30);
    EXPECT_LE(c.z, -29);
    EXPECT_LE(c.speed, -0.5f);
    EXPECT_GE(c.speed, -1);
    EXPECT_TRUE(c.texture == kCloudA || c.texture == kCloudB) << c.texture;
}

void expectInView(const Clouds& layer) {
    ASSERT_EQ(layer.cloudList.size(), 5u);
    for (const auto& c : layer.cloudList) {
        expectFreshCloud(*c);
        EXPECT_LE(c->x, 24);
        EXPECT_GE(c->x + c->width, -4);
    }
}

struct Snapshot {
    float x, y, z, width, speed;
    unsigned int texture;
    bool operator==(const Snapshot& o) const {
        return x == o.x && y == o.y && z == o.z && width == o.width && speed == o.speed &&
               texture == o.texture;
    }
};

Snapshot snap(const Cloud& c) { return {c.x, c.y, c.z, c.width, c.speed, c.texture}; }
}  // namespace

TEST(Clouds, ConstructionSpreadsFiveCloudsOverTheView) {
    Clouds layer = makeLayer();
    expectInView(layer);
    // The spread puts them at different places, not all at the spawn point.
    int atSpawn = 0;
    for (const auto& c : layer.cloudList) atSpawn += c->x == 24;
    EXPECT_LT(atSpawn, 2);
}

TEST(Clouds, SpawnDrawsSizeHeightDepthSpeedAndPictureInThatOrder) {
    Clouds layer = makeLayer();
    restartRandom();
    const float r1 = randUnit(), r2 = randUnit(), r3 = randUnit(), r4 = randUnit();
    const float r5 = randUnit();
    restartRandom();
    layer.spawnCloud();
    ASSERT_EQ(layer.cloudList.size(), 6u);
    const Cloud& c = *layer.cloudList.back();
    EXPECT_FLOAT_EQ(c.width, 3 * r1 + 2);
    EXPECT_FLOAT_EQ(c.x, 24);
    EXPECT_FLOAT_EQ(c.y, 5 * r2 + 1);
    EXPECT_FLOAT_EQ(c.z, -1 * r3 - 29);
    EXPECT_FLOAT_EQ(c.speed, -(0.5f * r4 + 0.5f));
    EXPECT_EQ(c.texture, r5 < 0.5f ? kCloudA : kCloudB);
}

TEST(Clouds, ADrawOfExactlyOnePicksTheLastPicture) {
    // Find where the (never seeded) sequence first deals 32767.
    restartRandom();
    long n = 0;
    while (gameRand() != kRandMax) ASSERT_LT(++n, 10000000);
    ASSERT_GE(n, 4);
    Clouds layer = makeLayer();
    layer.cloudList.clear();
    restartRandom();
    for (long i = 0; i < n - 4; ++i) gameRand();
    layer.spawnCloud();
    ASSERT_EQ(layer.cloudList.size(), 1u);
    EXPECT_EQ(layer.cloudList[0]->texture, kCloudB);
}

TEST(Clouds, StaysFiveAndInViewOverManyUpdates) {
    restartRandom();
    Clouds layer = makeLayer();
    int replaced = 0;
    // 100 seconds at 60 frames per second.
    for (int frame = 0; frame < 6000; ++frame) {
        const Cloud* last = layer.cloudList.back().get();
        // A fast scroll so that clouds leave and come back often.
        layer.update(1.0f / 60, 0.5f + frame * 0.0005f);
        replaced += layer.cloudList.back().get() != last;
        expectInView(layer);
        if (HasFatalFailure() || HasNonfatalFailure()) break;
    }
    // Each cloud crosses the 28-unit view several times.
    EXPECT_GT(replaced, 15);
}

TEST(Clouds, ARightEdgeExactlyAtTheLimitStaysAndPastItIsReplacedAtTheEnd) {
    Clouds layer = makeLayer();
    Cloud* edge = layer.cloudList[1].get();
    edge->x = -5;
    edge->width = 2;
    edge->height = 1;
    edge->speed = -1;
    for (auto& c : layer.cloudList)
        if (c.get() != edge) c->x = 10;
    std::vector<Cloud*> before;
    for (auto& c : layer.cloudList) before.push_back(c.get());

    layer.update(1, 1);  // moves to x = -6: right edge exactly -4
    ASSERT_EQ(layer.cloudList.size(), 5u);
    EXPECT_EQ(layer.cloudList[1].get(), edge);
    EXPECT_FLOAT_EQ(edge->x, -6);

    layer.update(0.01f, 1);  // right edge -4.01: replaced in this update
    ASSERT_EQ(layer.cloudList.size(), 5u);
    EXPECT_EQ(layer.cloudList[0].get(), before[0]);
    EXPECT_EQ(layer.cloudList[1].get(), before[2]);
    EXPECT_EQ(layer.cloudList[2].get(), before[3]);
    EXPECT_EQ(layer.cloudList[3].get(), before[4]);
    EXPECT_FLOAT_EQ(layer.cloudList[4]->x, 24);
    expectFreshCloud(*layer.cloudList[4]);
}

TEST(Clouds, NoSpeedFactorOrNoTimeMovesNothing) {
    Clouds layer = makeLayer();
    std::vector<Snapshot> before;
    for (auto& c : layer.cloudList) before.push_back(snap(*c));
    layer.update(1.0f / 60, 0);
    layer.update(0, 1);
    ASSERT_EQ(layer.cloudList.size(), 5u);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_TRUE(snap(*layer.cloudList[i]) == before[i]);
}

TEST(Clouds, MoveAtTheirOwnSpeedTimesTheFactor) {
    Clouds layer = makeLayer();
    for (auto& c : layer.cloudList) c->x = 10;
    layer.update(0.5f, 0.2f);
    for (auto& c : layer.cloudList) EXPECT_FLOAT_EQ(c->x, 10 + c->speed * 0.1f);
}

TEST(Clouds, SortingPutsTheFarthestFirstAndKeepsTiesInOrder) {
    Clouds layer = makeLayer();
    const float depths[] = {-29.5f, -30, -29.5f, -29.2f, -30};
    std::vector<Cloud*> byIndex;
    for (size_t i = 0; i < 5; ++i) {
        layer.cloudList[i]->z = depths[i];
        byIndex.push_back(layer.cloudList[i].get());
    }
    layer.sortByDepth();
    const std::vector<Cloud*> expected = {byIndex[1], byIndex[4], byIndex[0], byIndex[2],
                                          byIndex[3]};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(layer.cloudList[i].get(), expected[i]) << i;
}

TEST(Clouds, AWorkerThreadKeepsItsOwnSequenceAcrossFrames) {
    Clouds layer = makeLayer();
    std::vector<Snapshot> fromWorker;
    // One long-lived thread, two frames, one replacement in each.
    std::thread worker([&] {
        for (int frame = 0; frame < 2; ++frame) {
            layer.cloudList.front()->x = -100;
            layer.update(1.0f / 60, 0.075f);
            fromWorker.push_back(snap(*layer.cloudList.back()));
        }
    });
    worker.join();
    ASSERT_EQ(fromWorker.size(), 2u);
    EXPECT_FALSE(fromWorker[0] == fromWorker[1]);

    // A fresh thread starts from the same state, whatever the main thread drew.
    restartRandom();
    for (int i = 0; i < 37; ++i) gameRand();
    Snapshot fromFreshThread{};
    Clouds other = makeLayer();
    other.cloudList.clear();
    std::thread fresh([&] {
        other.spawnCloud();
        fromFreshThread = snap(*other.cloudList[0]);
    });
    fresh.join();
    EXPECT_EQ(fromFreshThread.width, fromWorker[0].width);
    EXPECT_EQ(fromFreshThread.y, fromWorker[0].y);
    EXPECT_EQ(fromFreshThread.z, fromWorker[0].z);
}
