// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

class QuadDrawer;

struct Cloud {
    float x = 0;  // left edge
    float y = 0;  // bottom edge
    float z = 0;
    float width = 0;
    float height = 0;
    float speed = 0;  // negative: leftwards
    unsigned int texture = 0;
};

// Five clouds drifting left far behind the play plane, replaced on the right
// when they leave on the left. Moved by the background worker.
class Clouds {
public:
    std::vector<std::unique_ptr<Cloud>> cloudList;
    float despawnX;
    float spawnX;
    float yMin;
    float yMax;
    float zFrom;
    float zTo;
    float speedMin;
    float speedMax;
    float sizeMin;
    float sizeMax;
    int cloudCount = 5;
    std::vector<unsigned int> cloudTextures;

    Clouds(float despawnX, float spawnX, float yMin, float yMax, float zFrom, float zTo,
           float speedMin, float speedMax, float sizeMin, float sizeMax,
           std::vector<unsigned int> textures);
    virtual ~Clouds() = default;

    void spawnCloud();
    void update(float dt, float speedFactor);
    // Sorts by depth (stable, farthest first) and draws.
    void draw(QuadDrawer& quads);
    void sortByDepth();
};
