// SPDX-License-Identifier: MIT
// Drawing a mesh with the colours its lighting gives it.
#include <GL/gl.h>

#include "geometry/tri_mesh.h"
#include "render/lighting.h"

namespace {

// (ambient + specular + diffuse) x factor, per channel; OpenGL clamps.
void setLitColor(Vec3 ambient, Vec3 specular, Vec3 diffuse, Vec3 factor) {
    Vec3 light = ambient + (specular + diffuse);
    glColor3f(light.x * factor.x, light.y * factor.y, light.z * factor.z);
}

}  // namespace

void TriMesh::drawLit(Vec3 translation, Vec3 viewer) {
    glPushMatrix();
    glTranslatef(translation.x, translation.y, translation.z);
    updateSpecular(translation, viewer);

    Vec3 ambient = lighting ? lighting->ambient * lighting->ambientIntensity : Vec3{};
    Vec3 factor;
    if (colorMode == White) factor = {1, 1, 1};
    if (colorMode == MeshColor) factor = color;
    const bool perFace = colorMode == MeshColor || colorMode == TriangleColors || colorMode == White;

    glBegin(GL_TRIANGLES);
    for (size_t i = 0; i < triangles.size(); ++i) {
        const Triangle& t = triangles[i];
        if (!t.visible) continue;
        // Faces past the per-face arrays (stale data) are lit by ambient only.
        Vec3 specular = i < faceSpecular.size() ? faceSpecular[i] : Vec3{};
        Vec3 diffuse = i < faceDiffuse.size() ? faceDiffuse[i] : Vec3{};
        if (perFace) {
            if (colorMode == TriangleColors) factor = {t.r, t.g, t.b};
            setLitColor(ambient, specular, diffuse, factor);
        }
        for (int index : {t.index0, t.index1, t.index2}) {
            const Vertex& v = vertices[index];
            if (colorMode == VertexColors) {
                factor = {v.r, v.g, v.b};
                setLitColor(ambient, specular, diffuse, factor);
            }
            glNormal3f(v.nx, v.ny, v.nz);
            glVertex3f(v.x, v.y, v.z);
        }
    }
    glEnd();
    glPopMatrix();
}
