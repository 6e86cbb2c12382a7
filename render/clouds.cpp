// SPDX-License-Identifier: MIT
// The drifting cloud layer: spawning, drift and drawing.
#include "render/clouds.h"

#include <algorithm>

#include "geometry/random.h"
#include "render/quad.h"

Clouds::Clouds(float despawnX, float spawnX, float yMin, float yMax, float zFrom, float zTo,
               float speedMin, float speedMax, float sizeMin, float sizeMax,
               std::vector<unsigned int> textures)
    : despawnX(despawnX),
      spawnX(spawnX),
      yMin(yMin),
      yMax(yMax),
      zFrom(zFrom),
      zTo(zTo),
      speedMin(speedMin),
      speedMax(speedMax),
      sizeMin(sizeMin),
      sizeMax(sizeMax),
      cloudTextures(std::move(textures)) {
    for (int i = 0; i < cloudCount; ++i) spawnCloud();
    // Every cloud starts at spawnX; scatter them over the whole width.
    const float w = spawnX - despawnX;
    for (auto& cloud : cloudList) cloud->x = (w * randUnit() - w) + cloud->x;
}

void Clouds::spawnCloud() {
    auto cloud = std::make_unique<Cloud>();
    cloud->width = (sizeMax - sizeMin) * randUnit() + sizeMin;
    cloud->height = cloud->width * 0.5f;
    cloud->x = spawnX;
    cloud->y = (yMax - yMin) * randUnit() + yMin;
    cloud->z = (zTo - zFrom) * randUnit() + zFrom;
    cloud->speed = -((speedMax - speedMin) * randUnit() + speedMin);
    const float r = randUnit();
    if (!cloudTextures.empty()) {
        auto k = static_cast<size_t>(static_cast<float>(cloudTextures.size()) * r);
        if (k >= cloudTextures.size()) k = cloudTextures.size() - 1;  // r == 1
        cloud->texture = cloudTextures[k];
    }
    cloudList.push_back(std::move(cloud));
}

void Clouds::update(float dt, float speedFactor) {
    const float k = dt * speedFactor;
    int gone = 0;
    for (auto& cloud : cloudList) {
        cloud->x = cloud->speed * k + cloud->x;
        if (despawnX > cloud->x + cloud->width) {
            cloud.reset();
            ++gone;
        }
    }
    if (gone == 0) return;
    cloudList.erase(std::remove(cloudList.begin(), cloudList.end(), nullptr), cloudList.end());
    for (int i = 0; i < gone; ++i) spawnCloud();
}

void Clouds::sortByDepth() {
    std::stable_sort(cloudList.begin(), cloudList.end(),
                     [](const std::unique_ptr<Cloud>& a, const std::unique_ptr<Cloud>& b) {
                         return a->z < b->z;
                     });
}

void Clouds::draw(QuadDrawer& quads) {
    sortByDepth();
    for (const auto& cloud : cloudList) {
        drawPlainQuad(quads, cloud->texture, cloud->x, cloud->x + cloud->width,
                      cloud->y + cloud->height, cloud->y, cloud->z);
    }
}
