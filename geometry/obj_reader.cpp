// SPDX-License-Identifier: MIT
// Reading the OBJ subset the sphere model is written in.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "geometry/number_text.h"
#include "geometry/tri_mesh.h"
#include "platform/asset_file.h"

namespace {

// Reads stop after 255 characters; the rest of a longer line comes back as
// a line of its own.
constexpr int kLineBuffer = 256;

bool endsComponent(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '/' || c == '\0'; }

// The leading decimal integer of a component, as atoi reads it; 0 when it
// has none. Values beyond long saturate, which the range check then refuses.
long parseIndex(const char* begin, const char* end) {
    std::string text(begin, end);
    return std::strtol(text.c_str(), nullptr, 10);
}

// The position index (first component) of every vertex group of a face line,
// one-based as written.
std::vector<long> facePositionIndices(const char* text) {
    std::vector<long> indices;
    const char* p = text;
    while (*p == ' ') ++p;
    const char* componentStart = p;
    bool firstComponent = true;
    for (;;) {
        char c = *p;
        if (!endsComponent(c)) {
            ++p;
            continue;
        }
        if (firstComponent && p > componentStart) indices.push_back(parseIndex(componentStart, p));
        // A '/' ends only the component; the other separators end the group.
        firstComponent = c != '/';
        if (c == '\0') break;
        ++p;
        if (*p == '\0' || *p == '\n') break;
        componentStart = p;
    }
    return indices;
}

// Models sit near the unit sphere. A face's cross product squared reaches
// 144 x^4 for coordinates up to x, which passes the float range (3.4e38)
// a little above 1.2e9: a vertex further out would turn the normals to NaN.
constexpr float kLargestCoordinate = 1e9f;

// The three numbers of a vertex line ("v x y z"), read as scanf's "%f" does
// whatever the locale; false when there are fewer or one is not finite or
// beyond the largest coordinate.
bool vertexPosition(const char* text, float& x, float& y, float& z) {
    const char* end = text + std::strlen(text);
    for (float* value : {&x, &y, &z}) {
        text = readNumber(text, end, *value);
        if (!text || !(std::fabs(*value) <= kLargestCoordinate)) return false;
    }
    return true;
}

}  // namespace

// An OBJ file may list faces before the vertices they use, so face indices
// are checked once the whole file has been read: an index must name a vertex
// of this file (1 up to its vertex count). A face that refers to zero, to a
// negative (relative) index, past the last vertex or to something that is
// not a number is skipped with a message.
bool TriMesh::load(const std::string& path) {
    std::string problem;
    std::FILE* file = openAssetFile(path, problem);
    if (!file) return false;

    const long firstVertex = static_cast<long>(vertices.size());
    std::vector<std::vector<long>> faces;
    char line[kLineBuffer] = {};
    while (std::fgets(line, kLineBuffer, file)) {
        if (line[0] == 'v' && line[1] == ' ') {
            float x = 0, y = 0, z = 0;
            if (vertexPosition(line + 1, x, y, z)) {
                Vertex v(x, y, z);
                v.r = v.g = v.b = 1;
                vertices.push_back(v);
            }
        } else if (line[0] == 'f' && line[1] == ' ') {
            std::vector<long> indices = facePositionIndices(line + 2);
            if (indices.size() < 3) {
                std::fputs("TriMesh::LOAD: Unexpected number of face vertices (<3). Ignoring face",
                           stdout);
            } else {
                faces.push_back(std::move(indices));
            }
        }
        std::memset(line, 0, sizeof line);
    }
    std::fclose(file);

    const long vertexCount = static_cast<long>(vertices.size()) - firstVertex;
    for (const std::vector<long>& indices : faces) {
        bool inRange = true;
        for (long index : indices) inRange = inRange && index >= 1 && index <= vertexCount;
        if (!inRange) {
            std::fputs("TriMesh::LOAD: Face index out of range. Ignoring face\n", stdout);
            continue;
        }
        // A polygon becomes a fan around its first corner.
        int i0 = static_cast<int>(firstVertex + indices[0] - 1);
        for (size_t k = 1; k + 1 < indices.size(); ++k) {
            triangles.emplace_back(i0, static_cast<int>(firstVertex + indices[k] - 1),
                                   static_cast<int>(firstVertex + indices[k + 1] - 1));
        }
    }

    normalizeToUnitSphere();
    computeNormals();
    computeBounds();
    return true;
}
