// SPDX-License-Identifier: MIT
// Drawing tests: the cloud layer.
#include "gl_scene.h"
#include "render/clouds.h"
#include "render/quad.h"

namespace {
using CloudDrawing = GlScene;

std::unique_ptr<Cloud> cloudAt(float x, float y, float z, float width, unsigned int texture) {
    auto c = std::make_unique<Cloud>();
    c->x = x;
    c->y = y;
    c->z = z;
    c->width = width;
    c->height = width / 2;
    c->speed = -1;
    c->texture = texture;
    return c;
}
}  // namespace

TEST_F(CloudDrawing, FarCloudsAreDrawnFirstSoNearOnesBlendOverThem) {
    const unsigned int halfRed = solidTexture(255, 0, 0, 128);
    const unsigned int blue = solidTexture(0, 0, 255);
    Clouds layer(-4, 24, 1, 6, -29, -30, 0.5f, 1, 2, 5, {blue});
    layer.cloudList.clear();
    // The near, half-clear cloud comes first in the list.
    layer.cloudList.push_back(cloudAt(2, 2, -29.1f, 4, halfRed));
    layer.cloudList.push_back(cloudAt(4, 2.5f, -29.9f, 4, blue));
    layer.draw(plainQuads());
    readFrame();

    EXPECT_FLOAT_EQ(layer.cloudList[0]->z, -29.9f);
    // Where they overlap the blue shows through the red.
    const PixelBox mixed = boxOf(128, 0, 127, 2);
    ASSERT_FALSE(mixed.empty());
    const PixelBox overlap = projectedBox(4, 6, 2.5f, 4, -29.1f);
    EXPECT_NEAR(mixed.right, overlap.right, 1);
    EXPECT_NEAR(mixed.top, overlap.top, 1);
    // The near cloud alone: red at half strength over black.
    EXPECT_FALSE(boxOf(128, 0, 0, 2).empty());
    // The far cloud alone, where the near one does not reach.
    const PixelBox farOnly = boxOf(0, 0, 255, 0);
    EXPECT_NEAR(farOnly.right, projectedBox(4, 8, 2.5f, 4.5f, -29.9f).right, 1);
}
