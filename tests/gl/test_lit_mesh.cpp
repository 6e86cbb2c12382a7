// SPDX-License-Identifier: MIT
// Drawing tests: lit meshes.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "geometry/mountains.h"
#include "geometry/random.h"
#include "geometry/tri_mesh.h"
#include "render/lighting.h"
#include "support/gl_window.h"
#include "support/test_files.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
const Vec3 kClear{0.2f, 0.2f, 0.2f};

struct Rgb {
    int r, g, b;
};

Rgb toPixel(Vec3 c) {
    auto channel = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    return {channel(c.x), channel(c.y), channel(c.z)};
}

void expectPixel(Rgb actual, Vec3 expected, const std::string& where, int tolerance = 2) {
    Rgb e = toPixel(expected);
    EXPECT_NEAR(actual.r, e.r, tolerance) << where;
    EXPECT_NEAR(actual.g, e.g, tolerance) << where;
    EXPECT_NEAR(actual.b, e.b, tolerance) << where;
}

bool samePixel(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// Draws into the test program's one shared window.
class LitMeshTest : public testing::Test {
protected:
    // Orthographic view of the unit square in z = 0, as the scene sets it up
    // (no OpenGL lighting, depth test on, smooth shading), whatever other
    // suites left behind.
    void SetUp() override {
        ensureGlWindow();
        glViewport(0, 0, kWidth, kHeight);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
        glDisable(GL_SCISSOR_TEST);
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glShadeModel(GL_SMOOTH);
        glClearColor(kClear.x, kClear.y, kClear.z, 1);
        glClearDepth(1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    // The back buffer as drawn, rows from the bottom.
    std::vector<unsigned char> readFrame() {
        glFinish();
        std::vector<unsigned char> pixels(size_t(kWidth) * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    static Rgb pixelAt(const std::vector<unsigned char>& frame, int x, int y) {
        const unsigned char* p = &frame[(size_t(y) * kWidth + x) * 3];
        return {p[0], p[1], p[2]};
    }

    // The pixel under a point of the unit square.
    static Rgb unitPixel(const std::vector<unsigned char>& frame, float u, float v) {
        return pixelAt(frame, int(u * kWidth), int(v * kHeight));
    }
};

// One coloured light shining straight into the screen, some ambient.
Lighting frontLight() {
    Lighting light;
    light.addLight({0, 0, -1}, {0.5f, 0.4f, 0.3f});
    light.ambient = {0.2f, 0.1f, 0};
    light.ambientIntensity = 0.5f;
    return light;
}

// Two faces towards the viewer: the lower-left and the upper-right half of
// [0.1, 0.9]^2.
TriMesh twoFaces(const Lighting& light) {
    TriMesh mesh({Vertex(0.1f, 0.1f, 0), Vertex(0.9f, 0.1f, 0), Vertex(0.9f, 0.9f, 0),
                  Vertex(0.1f, 0.9f, 0)},
                 {Triangle(0, 1, 3), Triangle(1, 2, 3)});
    mesh.triangles[0].r = 0, mesh.triangles[0].g = 1, mesh.triangles[0].b = 0;
    mesh.triangles[1].r = 1, mesh.triangles[1].g = 0, mesh.triangles[1].b = 1;
    mesh.lighting = &light;
    mesh.computeNormals();
    mesh.computeFaceData();
    return mesh;
}

// Far in front of the square: s is 1 to within float precision, so each
// face shows ambient (0.1, 0.05, 0) + specular (0.5, 0.4, 0.3) + diffuse
// (0.35, 0.28, 0.21).
const Vec3 kViewer{0.5f, 0.5f, 10000};
const Vec3 kLit{0.95f, 0.73f, 0.51f};

// Points well inside each face.
constexpr float kLowerLeft[2] = {0.3f, 0.3f};
constexpr float kUpperRight[2] = {0.7f, 0.7f};

}  // namespace

TEST_F(LitMeshTest, WhiteShowsTheSumOfTheLightTerms) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = White;
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), kLit, "lower left");
    expectPixel(unitPixel(frame, kUpperRight[0], kUpperRight[1]), kLit, "upper right");
    expectPixel(unitPixel(frame, 0.05f, 0.5f), kClear, "outside");
    EXPECT_NEAR(mesh.faceSpecular[0].x, 0.5f, 1e-4f);
}

TEST_F(LitMeshTest, MeshColorTintsEveryFace) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = MeshColor;
    mesh.color = {1, 0.5f, 0};
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    Vec3 expected{0.95f, 0.365f, 0};
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), expected, "lower left");
    expectPixel(unitPixel(frame, kUpperRight[0], kUpperRight[1]), expected, "upper right");
}

TEST_F(LitMeshTest, TriangleColorsTintEachFaceByItsOwnColour) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = TriangleColors;
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), {0, 0.73f, 0}, "green face");
    expectPixel(unitPixel(frame, kUpperRight[0], kUpperRight[1]), {0.95f, 0, 0.51f}, "magenta face");
}

TEST_F(LitMeshTest, VertexColorsBlendAcrossTheFace) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = VertexColors;
    for (Vertex& v : mesh.vertices) v.r = v.g = v.b = 0;
    mesh.vertices[0].r = 1;  // lower left corner red
    mesh.vertices[1].g = 1;  // lower right corner green
    mesh.vertices[3].b = 1;  // upper left corner blue
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    // Next to each corner its own colour dominates; at the centroid of the
    // lower face each corner gives a third.
    Rgb nearRed = unitPixel(frame, 0.11f, 0.11f);
    EXPECT_NEAR(nearRed.r, toPixel(kLit).r, 6);
    EXPECT_LE(nearRed.g + nearRed.b, 8);
    float third = 1.0f / 3;
    expectPixel(unitPixel(frame, 0.1f + 0.8f * third, 0.1f + 0.8f * third),
                {kLit.x * third, kLit.y * third, kLit.z * third}, "centroid", 4);
}

TEST_F(LitMeshTest, HiddenFacesAreNotSentButStillGetTheirTerm) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = White;
    mesh.triangles[1].visible = false;
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), kLit, "shown face");
    expectPixel(unitPixel(frame, kUpperRight[0], kUpperRight[1]), kClear, "hidden face");
    EXPECT_NEAR(mesh.faceSpecular[1].x, 0.5f, 1e-4f);
}

TEST_F(LitMeshTest, WithoutLightsOnlyTheAmbientLevelShows) {
    Lighting ambientOnly;
    ambientOnly.ambient = {0.8f, 0.6f, 0.4f};
    ambientOnly.ambientIntensity = 0.5f;
    TriMesh mesh = twoFaces(ambientOnly);
    mesh.colorMode = MeshColor;
    mesh.color = {1, 0.5f, 0.5f};
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), {0.4f, 0.15f, 0.1f}, "ambient");
}

TEST_F(LitMeshTest, BrightFacesAreClampedByOpenGL) {
    Lighting light = frontLight();
    light.ambientIntensity = 5;  // ambient (1, 0.5, 0) alone
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = White;
    mesh.drawLit({0, 0, 0}, kViewer);
    auto frame = readFrame();
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), {1, 1, 0.51f}, "clamped");
}

TEST_F(LitMeshTest, TranslationMovesTheMeshAndItsCentroids) {
    Lighting light = frontLight();
    TriMesh mesh = twoFaces(light);
    mesh.colorMode = White;
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);

    // Viewer straight in front of the moved lower face, close by: only that
    // face sees s = 1.
    Vec3 shift{0.05f, 0.05f, 0};
    Vec3 viewer = mesh.faceCentroids[0] + shift + Vec3{0, 0, 0.5f};
    mesh.drawLit(shift, viewer);
    auto frame = readFrame();

    GLfloat after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));

    expectPixel(unitPixel(frame, 0.12f, 0.5f), kClear, "left of the moved mesh");
    Vec3 ambientAndDiffuse{0.45f, 0.33f, 0.21f};
    expectPixel(unitPixel(frame, 0.93f, 0.5f), ambientAndDiffuse + mesh.faceSpecular[1],
                "right edge, now covered");
    expectPixel(unitPixel(frame, kLowerLeft[0], kLowerLeft[1]), kLit, "lower face");
    EXPECT_NEAR(mesh.faceSpecular[0].y, 0.4f, 1e-5f);
    EXPECT_LT(mesh.faceSpecular[1].y, 0.3f);
}

// A mountain segment seen from straight above: each point of the ground
// shows the highest shown face over it, lit as the game lights it, and the
// hidden flat ground shows nothing.
TEST_F(LitMeshTest, MountainSegmentShowsItsLitFacesAndNothingElse) {
    restartRandom();
    Lighting terrain;
    terrain.addLight({1.0f / 3, -2.0f / 3, -2.0f / 3}, {0.7f, 0.7f, 0.7f});
    Mountains segment(&terrain, 50, 30, 8, 4, 4, 0.234375f, 0.21875f, 0.2265625f,
                      builtModelPath("mountain1.kernel"));
    TriMesh& mesh = *segment.mesh;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 50, 0, 30, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);  // world y becomes depth, world -z becomes screen y
    Vec3 viewer{25, 10, 40};
    mesh.drawLit({0, 0, 0}, viewer);
    auto frame = readFrame();

    auto projected = [&](int corner) {
        const Vertex& v = mesh.vertices[corner];
        return Vec3{v.x, -v.z, v.y};
    };
    // The height of face i over a ground point, or -1 when it is not over it.
    auto heightOver = [&](size_t i, float x, float y) {
        const Triangle& t = mesh.triangles[i];
        Vec3 a = projected(t.index0), b = projected(t.index1), c = projected(t.index2);
        float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (area == 0) return -1.0f;
        float wb = ((x - a.x) * (c.y - a.y) - (c.x - a.x) * (y - a.y)) / area;
        float wc = ((b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y)) / area;
        float wa = 1 - wb - wc;
        if (wa < 0 || wb < 0 || wc < 0) return -1.0f;
        return wa * a.z + wb * b.z + wc * c.z;
    };

    int samples = 0, matches = 0, shown = 0;
    for (size_t face = 0; face < mesh.triangles.size(); ++face) {
        // Sample each face at the centre of the pixel under its centroid.
        Vec3 c = mesh.faceCentroids[face];
        int px = int(c.x / 50 * kWidth), py = int(-c.z / 30 * kHeight);
        float x = (px + 0.5f) * 50 / kWidth, y = (py + 0.5f) * 30 / kHeight;
        int top = -1;
        float best = -1;
        for (size_t i = 0; i < mesh.triangles.size(); ++i) {
            if (!mesh.triangles[i].visible) continue;
            float h = heightOver(i, x, y);
            if (h > best) best = h, top = int(i);
        }
        Vec3 expected = kClear;
        if (top >= 0) {
            Vec3 light = mesh.faceSpecular[top] + mesh.faceDiffuse[top];
            expected = {light.x * mesh.color.x, light.y * mesh.color.y, light.z * mesh.color.z};
            ++shown;
        }
        ++samples;
        matches += samePixel(pixelAt(frame, px, py), toPixel(expected), 2);
    }
    EXPECT_GT(shown, 300);
    EXPECT_LT(shown, samples - 300);
    EXPECT_GE(matches, samples * 98 / 100) << matches << " of " << samples;
}
