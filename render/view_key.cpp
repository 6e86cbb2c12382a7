// SPDX-License-Identifier: MIT
// Reading the view state into a key.
#include "render/view_key.h"

#include <GL/gl.h>

#include <cstring>

ViewKey ViewKey::current() {
    ViewKey key;
    key.bits.reserve(48);
    float values[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, values);
    for (float v : values) key.add(v);
    glGetFloatv(GL_PROJECTION_MATRIX, values);
    for (float v : values) key.add(v);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (GLint v : viewport) key.add(static_cast<unsigned int>(v));
    glGetFloatv(GL_COLOR_CLEAR_VALUE, values);
    for (int i = 0; i < 4; ++i) key.add(values[i]);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, values);
    key.add(values[0]);
    return key;
}

void ViewKey::add(float value) {
    std::uint32_t b;
    std::memcpy(&b, &value, sizeof b);
    bits.push_back(b);
}

void ViewKey::add(unsigned int value) { bits.push_back(value); }
