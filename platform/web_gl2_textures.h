// SPDX-License-Identifier: MIT
// What the browser's WebGL 2 layer knows of each texture: WebGL cannot be
// asked for a texture's size or format, and REPLACE needs to know whether a
// picture has alpha.
#pragma once

struct TextureFacts {
    int width = 0, height = 0;
    bool alpha = true;
};

void recordTexture(unsigned int texture, int width, int height, unsigned int format);
void forgetTexture(unsigned int texture);
TextureFacts textureFacts(unsigned int texture);
