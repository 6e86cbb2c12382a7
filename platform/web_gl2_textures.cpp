// SPDX-License-Identifier: MIT
#ifdef __EMSCRIPTEN__
#include "platform/web_gl2_textures.h"

#include <GL/gl.h>

#include <unordered_map>

namespace {
std::unordered_map<unsigned int, TextureFacts>& facts() {
    static std::unordered_map<unsigned int, TextureFacts> all;
    return all;
}
}  // namespace

void recordTexture(unsigned int texture, int width, int height, unsigned int format) {
    facts()[texture] = {width, height, format == GL_RGBA || format == GL_LUMINANCE_ALPHA ||
                                           format == GL_ALPHA || format == GL_BGRA};
}

void forgetTexture(unsigned int texture) { facts().erase(texture); }

TextureFacts textureFacts(unsigned int texture) {
    const auto found = facts().find(texture);
    return found != facts().end() ? found->second : TextureFacts{};
}
#endif
