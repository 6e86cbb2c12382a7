#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "geometry/tri_mesh.h"

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

}  // namespace

// Face indices are checked when the face is read: an index must name a vertex
// already read from this file (1 up to the count so far). A face that refers
// to a later vertex, to zero, to a negative (relative) index or to something
// that is not a number is skipped with a message, and reading goes on.
bool TriMesh::load(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return false;

    const long firstVertex = static_cast<long>(vertices.size());
    char line[kLineBuffer] = {};
    while (std::fgets(line, kLineBuffer, file)) {
        if (line[0] == 'v' && line[1] == ' ') {
            float x = 0, y = 0, z = 0;
            if (std::sscanf(line, "v %f %f %f", &x, &y, &z) == 3) {
                Vertex v(x, y, z);
                v.r = v.g = v.b = 1;
                vertices.push_back(v);
            }
        } else if (line[0] == 'f' && line[1] == ' ') {
            std::vector<long> indices = facePositionIndices(line + 2);
            long vertexCount = static_cast<long>(vertices.size()) - firstVertex;
            bool inRange = true;
            for (long index : indices) inRange = inRange && index >= 1 && index <= vertexCount;
            if (indices.size() < 3) {
                std::fputs("TriMesh::LOAD: Unexpected number of face vertices (<3). Ignoring face",
                           stdout);
            } else if (!inRange) {
                std::fputs("TriMesh::LOAD: Face index out of range. Ignoring face\n", stdout);
            } else {
                // A polygon becomes a fan around its first corner.
                int i0 = static_cast<int>(firstVertex + indices[0] - 1);
                for (size_t k = 1; k + 1 < indices.size(); ++k) {
                    triangles.emplace_back(i0, static_cast<int>(firstVertex + indices[k] - 1),
                                           static_cast<int>(firstVertex + indices[k + 1] - 1));
                }
            }
        }
        std::memset(line, 0, sizeof line);
    }
    std::fclose(file);

    normalizeToUnitSphere();
    computeNormals();
    computeBounds();
    return true;
}
