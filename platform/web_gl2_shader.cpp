// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_shader.h"

#include <GLES3/gl3.h>

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/web_gl2_batch.h"

namespace {
// Positions come already transformed to clip space (the matrices are kept on
// the processor), so draws under different matrices share a call. Colours
// are clamped per vertex before they are interpolated, as in OpenGL.
const char* const kVertexShader = R"(#version 300 es
in vec4 position;
in vec4 colour;
in vec2 texCoord;
in vec2 shading;
out vec4 vColour;
out vec2 vTexCoord;
flat out int vMode;
flat out int vUnit;
void main() {
    gl_Position = position;
    vColour = clamp(colour, 0.0, 1.0);
    vTexCoord = texCoord;
    vMode = int(shading.x + 0.5);
    vUnit = int(shading.y + 0.5);
}
)";

// The texture environment: 0 colour alone, 1 MODULATE, 2 REPLACE, 3 REPLACE
// of a picture without alpha (which keeps the colour's alpha). Each
// primitive names the unit of its picture; the derivatives are taken
// before the choice, where every fragment takes them, so each
// picture is sampled as a draw of its own would sample it.
const char* const kFragmentShader = R"(#version 300 es
precision highp float;
uniform sampler2D unit0, unit1, unit2, unit3, unit4, unit5, unit6, unit7;
in vec4 vColour;
in vec2 vTexCoord;
flat in int vMode;
flat in int vUnit;
out vec4 fragColour;
void main() {
    vec2 dx = dFdx(vTexCoord), dy = dFdy(vTexCoord);
    if (vMode == 0) {
        fragColour = vColour;
        return;
    }
    vec4 texel;
    if (vUnit == 0) texel = textureGrad(unit0, vTexCoord, dx, dy);
    else if (vUnit == 1) texel = textureGrad(unit1, vTexCoord, dx, dy);
    else if (vUnit == 2) texel = textureGrad(unit2, vTexCoord, dx, dy);
    else if (vUnit == 3) texel = textureGrad(unit3, vTexCoord, dx, dy);
    else if (vUnit == 4) texel = textureGrad(unit4, vTexCoord, dx, dy);
    else if (vUnit == 5) texel = textureGrad(unit5, vTexCoord, dx, dy);
    else if (vUnit == 6) texel = textureGrad(unit6, vTexCoord, dx, dy);
    else texel = textureGrad(unit7, vTexCoord, dx, dy);
    if (vMode == 1) fragColour = texel * vColour;
    else if (vMode == 2) fragColour = texel;
    else fragColour = vec4(texel.rgb, vColour.a);
}
)";

struct Pipeline {
    GLuint program = 0, vertexArray = 0, buffer = 0;
    GLsizeiptr capacity = 0;  // in vertices
    GLint used = 0;           // vertices of this frame so far
};

GLuint compiled(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::printf("WebGL shader not compiled: %s\n", log);
    }
    return shader;
}

Pipeline makePipeline() {
    Pipeline p;
    p.program = glCreateProgram();
    glAttachShader(p.program, compiled(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(p.program, compiled(GL_FRAGMENT_SHADER, kFragmentShader));
    glBindAttribLocation(p.program, 0, "position");
    glBindAttribLocation(p.program, 1, "colour");
    glBindAttribLocation(p.program, 2, "texCoord");
    glBindAttribLocation(p.program, 3, "shading");
    glLinkProgram(p.program);
    glUseProgram(p.program);
    for (int unit = 0; unit < kTextureUnits; ++unit) {
        const std::string name = "unit" + std::to_string(unit);
        glUniform1i(glGetUniformLocation(p.program, name.c_str()), unit);
    }

    glGenVertexArrays(1, &p.vertexArray);
    glBindVertexArray(p.vertexArray);
    glGenBuffers(1, &p.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, p.buffer);
    const GLsizei stride = sizeof(BatchVertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, position)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, colour)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, texCoord)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, shading)));
    return p;
}

Pipeline& pipeline() {
    static Pipeline p = makePipeline();
    return p;
}
}  // namespace

int uploadVertices(const BatchVertex* vertices, int count) {
    Pipeline& p = pipeline();
    if (p.used + count > p.capacity) {
        // A larger buffer: the draws already made keep the data they were given.
        p.capacity = 2 * (p.used + count) + 1024;
        glBufferData(GL_ARRAY_BUFFER, p.capacity * static_cast<GLsizeiptr>(sizeof(BatchVertex)),
                     nullptr, GL_DYNAMIC_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, p.used * static_cast<GLintptr>(sizeof(BatchVertex)),
                    count * static_cast<GLsizeiptr>(sizeof(BatchVertex)), vertices);
    const int first = p.used;
    p.used += count;
    return first;
}

void drawTriangles(int first, int count) { glDrawArrays(GL_TRIANGLES, first, count); }

void restartVertexBuffer() { pipeline().used = 0; }
#endif
