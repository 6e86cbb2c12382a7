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
out vec4 vColour;
out vec2 vTexCoord;
void main() {
    gl_Position = position;
    vColour = clamp(colour, 0.0, 1.0);
    vTexCoord = texCoord;
}
)";

// The texture environment: 0 colour alone, 1 MODULATE, 2 REPLACE, 3 REPLACE
// of a picture without alpha (which keeps the colour's alpha). Built once
// for each, with the mode a constant: a software renderer (SwiftShader)
// runs both sides of a branch, and would sample a picture for every
// untextured fragment too.
const char* const kFragmentShader = R"(
precision highp float;
uniform sampler2D picture;
const int mode = MODE;
in vec4 vColour;
in vec2 vTexCoord;
out vec4 fragColour;
void main() {
    if (mode == 0) {
        fragColour = vColour;
        return;
    }
    vec4 texel = texture(picture, vTexCoord);
    if (mode == 1) fragColour = texel * vColour;
    else if (mode == 2) fragColour = texel;
    else fragColour = vec4(texel.rgb, vColour.a);
}
)";

struct Pipeline {
    GLuint programs[4] = {}, vertexArray = 0, buffer = 0;
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

GLuint program(int mode) {
    const GLuint program = glCreateProgram();
    const std::string fragment =
        "#version 300 es\n#define MODE " + std::to_string(mode) + "\n" + kFragmentShader;
    glAttachShader(program, compiled(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(program, compiled(GL_FRAGMENT_SHADER, fragment.c_str()));
    glBindAttribLocation(program, 0, "position");
    glBindAttribLocation(program, 1, "colour");
    glBindAttribLocation(program, 2, "texCoord");
    glLinkProgram(program);
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, "picture"), 0);
    return program;
}

Pipeline makePipeline() {
    Pipeline p;
    for (int mode = 0; mode < 4; ++mode) p.programs[mode] = program(mode);
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
    return p;
}

Pipeline& pipeline() {
    static Pipeline p = makePipeline();
    return p;
}
}  // namespace

void setTextureMode(int mode) { glUseProgram(pipeline().programs[mode]); }

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
