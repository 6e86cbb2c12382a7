// SPDX-License-Identifier: MIT
// Tests: the lighting terms.
#include <gtest/gtest.h>

#include <cmath>

#include "render/light_sets.h"

namespace {

void expectVec(Vec3 actual, Vec3 expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST(Lighting, WithoutLightsBothTermsAreZero) {
    Lighting none;
    EXPECT_EQ(none.shininess, 11);
    expectVec(none.diffuseAt({0, 1, 0}), {0, 0, 0}, 0);
    expectVec(none.specularAt({0, 0, 0}, {0, 0, 1}, {0, 0, 5}), {0, 0, 0}, 0);
}

TEST(Lighting, DiffuseTermsOfTheGamesLightSets) {
    Lighting terrain = makeTerrainLight();
    expectVec(terrain.diffuseAt({0, 1, 0}), {0.3267f, 0.3267f, 0.3267f}, 1e-4f);

    Lighting sphere = makeSphereLight();
    Vec3 facingViewer = sphere.diffuseAt({0, 0, 1});
    float lit = sphere.ambient.x * sphere.ambientIntensity + facingViewer.x;
    EXPECT_NEAR(lit, 0.9041f, 1e-4f);
}

TEST(Lighting, FaceTurnedAwayGetsNegativeDiffuse) {
    Lighting light;
    light.addLight({0, -1, 0}, {0.5f, 1.0f, 0.2f});
    // Normal along the light's own direction: w = -1.
    expectVec(light.diffuseAt({0, -1, 0}), {-0.35f, -0.7f, -0.14f});
}

TEST(Lighting, DiffuseSumsEveryLight) {
    Lighting light;
    light.addLight({0, -1, 0}, {1, 0, 0});
    light.addLight({0, 0, -1}, {0, 1, 0});
    expectVec(light.diffuseAt({0, 1, 0}), {0.7f, 0, 0});
    expectVec(light.diffuseAt({0, 0, 1}), {0, 0.7f, 0});
}

TEST(Lighting, ViewerAtThePointUsesTheLightDirectionAlone) {
    Lighting terrain = makeTerrainLight();
    // V is zero, so H = -L = (-1/3, 2/3, 2/3) and s = 2/3 for an upward face.
    Vec3 term = terrain.specularAt({2, 3, 4}, {0, 1, 0}, {2, 3, 4});
    float expected = 0.7f * std::pow(2.0f / 3.0f, 11.0f);
    expectVec(term, {expected, expected, expected}, 1e-6f);
}

TEST(Lighting, SpecularAtTheEdgeCasesOfS) {
    Lighting light;
    light.addLight({0, 0, -1}, {0.2f, 0.4f, 0.6f});
    Vec3 point{1, 1, 1};
    Vec3 viewer{1, 1, 9};  // V = (0,0,1), H = (0,0,1)

    // s = 1: the light's colour.
    expectVec(light.specularAt(point, {0, 0, 1}, viewer), {0.2f, 0.4f, 0.6f});
    // s = 0 and s < 0: nothing, never negative.
    expectVec(light.specularAt(point, {1, 0, 0}, viewer), {0, 0, 0}, 0);
    expectVec(light.specularAt(point, {0, 0, -1}, viewer), {0, 0, 0}, 0);
}

TEST(Lighting, SpecularUsesTheShininessExponent) {
    Lighting light;
    light.addLight({0, 0, -1}, {1, 1, 1});
    // H = (0,0,1); a normal 60 degrees away gives s = 0.5.
    Vec3 normal{std::sqrt(3.0f) / 2, 0, 0.5f};
    Vec3 point{0, 0, 0};
    Vec3 viewer{0, 0, 3};
    EXPECT_NEAR(light.specularAt(point, normal, viewer).x, std::pow(0.5f, 11.0f), 1e-7f);
    light.shininess = 2;
    EXPECT_NEAR(light.specularAt(point, normal, viewer).x, 0.25f, 1e-6f);
}

TEST(Lighting, HalfVectorLiesBetweenViewerAndLight) {
    Lighting light;
    light.addLight({0, -1, 0}, {1, 1, 1});  // shining straight down
    // Viewer along +x from the point: H is halfway between +x and +y.
    Vec3 half{std::sqrt(0.5f), std::sqrt(0.5f), 0};
    Vec3 term = light.specularAt({0, 0, 0}, half, {10, 0, 0});
    EXPECT_NEAR(term.x, 1.0f, 1e-5f);
    Vec3 upward = light.specularAt({0, 0, 0}, {0, 1, 0}, {10, 0, 0});
    EXPECT_NEAR(upward.x, std::pow(std::sqrt(0.5f), 11.0f), 1e-6f);
}
