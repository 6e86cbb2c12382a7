// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

class ModelManager;

// Describes the first position, speed or other figure of the world that is
// NaN or infinite, or returns "" when all are finite.
std::string findNonFinite(const ModelManager& world);

// The lengths of the world's lists at one moment.
struct ListSizes {
    std::size_t playerBullets = 0;
    std::size_t enemyBullets = 0;
    std::size_t particles = 0;
    std::size_t rabbits = 0;
    std::size_t enemies = 0;
    std::size_t explosions = 0;
    std::size_t clouds = 0;

    static ListSizes of(const ModelManager& world);
    // Raises each field to at least the one of `other`.
    void keepPeaks(const ListSizes& other);
    std::string describe() const;
};

// Names the first list over its bound, or returns "". Some bounds grow with
// the scroll speed; `peakEnemyLimit` is the highest the balloons' spawn limit
// has been.
std::string findOverfullList(const ListSizes& sizes, double scrollSpeed, float peakEnemyLimit);
