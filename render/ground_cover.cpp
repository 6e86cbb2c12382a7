// SPDX-License-Identifier: MIT
// Finding the covered rows and scissoring them off.
#include "render/ground_cover.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "render/alpha_blocks.h"
#include "render/quad_state.h"

namespace {
struct Projection {
    double m[16], p[16];
    int viewport[4];

    static Projection current() {
        Projection view;
        glGetDoublev(GL_MODELVIEW_MATRIX, view.m);
        glGetDoublev(GL_PROJECTION_MATRIX, view.p);
        glGetIntegerv(GL_VIEWPORT, view.viewport);
        return view;
    }
    // Window position; false behind the eye.
    bool window(double x, double y, double z, double& wx, double& wy) const {
        double eye[4], clip[4];
        for (int r = 0; r < 4; ++r) eye[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r];
        for (int r = 0; r < 4; ++r)
            clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
        if (!(clip[3] > 0)) return false;
        wx = viewport[0] + (clip[0] / clip[3] + 1) * viewport[2] / 2;
        wy = viewport[1] + (clip[1] / clip[3] + 1) * viewport[3] / 2;
        return true;
    }
};

// Whether point q lies inside the convex quadrilateral c (either winding),
// at least `margin` pixels from every edge.
bool insideQuad(const double (&c)[4][2], double qx, double qy, double margin) {
    double sign = 0;
    for (int i = 0; i < 4; ++i) {
        const double* a = c[i];
        const double* b = c[(i + 1) % 4];
        const double ex = b[0] - a[0], ey = b[1] - a[1];
        const double length = std::hypot(ex, ey);
        if (length == 0) return false;
        const double side = (ex * (qy - a[1]) - ey * (qx - a[0])) / length;
        if (sign == 0) sign = side > 0 ? 1 : -1;
        if (side * sign < margin) return false;
    }
    return true;
}

// The view the covered rows were measured under.
Projection measuredView;
}  // namespace

GroundCover& groundCover() {
    static GroundCover cover;
    return cover;
}

namespace {
std::map<unsigned int, float>& knownShares() {
    static std::map<unsigned int, float> known;
    return known;
}
}  // namespace

void forgetOpaqueBottoms() { knownShares().clear(); }

float opaqueBottom(unsigned int texture) {
    std::map<unsigned int, float>& known = knownShares();
    const auto found = known.find(texture);
    if (found != known.end()) return found->second;
    float share = 0;
    if (texture != 0) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint width = 0, height = 0, minFilter = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        if (width > 0 && height > 0 && (minFilter == GL_LINEAR || minFilter == GL_NEAREST)) {
            const std::vector<unsigned char> alpha = boundTextureAlpha(width, height);
            int rows = 0;  // fully opaque rows from t = 0
            while (rows < height &&
                   std::all_of(alpha.begin() + static_cast<long>(rows) * width,
                               alpha.begin() + static_cast<long>(rows + 1) * width,
                               [](unsigned char a) { return a == 255; }))
                ++rows;
            // A linear sample reads the row below and above: keep one row off.
            if (rows >= 2) share = static_cast<float>(rows - 1) / static_cast<float>(height);
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        quadState().forget();
    }
    known[texture] = share;
    return share;
}

void GroundCover::measure(unsigned int groundTexture, Vec3 first, Vec3 second, float length) {
    hiddenRows = 0;
    const float share = opaqueBottom(groundTexture);
    // The segments must meet end to end at one height.
    if (share <= 0 || std::fabs(second.x - (first.x + length)) > 0.001f || second.y != first.y)
        return;
    const double top = first.y - 3 + 3.4 * share;
    const double bottom = first.y - 3;
    measuredView = Projection::current();
    const Projection& view = measuredView;
    double corners[4][2];
    const double xs[4] = {first.x, second.x + length, second.x + length, first.x};
    const double ys[4] = {bottom, bottom, top, top};
    for (int i = 0; i < 4; ++i) {
        if (!view.window(xs[i], ys[i], 1, corners[i][0], corners[i][1])) return;
    }
    const int* vp = view.viewport;
    // The highest band of whole rows whose corner pixels (so, the quad being
    // convex, all its pixels) lie two pixels inside the opaque part.
    auto covered = [&](int rows) {
        const double left = vp[0] + 0.5, right = vp[0] + vp[2] - 0.5;
        const double low = vp[1] + 0.5, high = vp[1] + rows - 0.5;
        return insideQuad(corners, left, low, 2) && insideQuad(corners, right, low, 2) &&
               insideQuad(corners, left, high, 2) && insideQuad(corners, right, high, 2);
    };
    int lo = 0, hi = vp[3];
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (covered(mid)) lo = mid;
        else hi = mid - 1;
    }
    hiddenRows = lo;
}

void GroundCover::begin() {
    if (hiddenRows <= 0) return;
    GLint vp[4];
    glGetIntegerv(GL_VIEWPORT, vp);
    glScissor(vp[0], vp[1] + hiddenRows, vp[2], vp[3] - hiddenRows);
    glEnable(GL_SCISSOR_TEST);
    scissoring = true;
}

void GroundCover::end() {
    if (scissoring) glDisable(GL_SCISSOR_TEST);
    scissoring = false;
}

void GroundCover::pause() const {
    if (scissoring) glDisable(GL_SCISSOR_TEST);
}

void GroundCover::resume() const {
    if (scissoring) glEnable(GL_SCISSOR_TEST);
}

bool GroundCover::hides(float x, float y, float z, float radius) const {
    if (!scissoring) return false;
    const Projection& view = measuredView;
    double highest = -1e30;
    for (const auto& [dx, dy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        double wx, wy;
        if (!view.window(x + dx * radius, y + dy * radius, z, wx, wy)) return false;
        highest = std::max(highest, wy);
    }
    // Its pixels' centres all lie below the first drawn row, with a margin.
    return highest < view.viewport[1] + hiddenRows - 1;
}
