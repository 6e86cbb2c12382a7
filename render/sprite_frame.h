// SPDX-License-Identifier: MIT
#pragma once

#include "gameplay/sprite_animation.h"

// The texture and drawing offset of the frame an animation shows now; an
// animation without frames shows texture 0 at no offset.
inline unsigned int currentFrameTexture(const SpriteAnimation& animation) {
    const auto k = static_cast<size_t>(animation.frame);
    return k < animation.frameTextures.size() ? animation.frameTextures[k] : 0u;
}

inline Vec3 currentFrameOffset(const SpriteAnimation& animation) {
    const auto k = static_cast<size_t>(animation.frame);
    return k < animation.frameOffsets.size() ? animation.frameOffsets[k] : Vec3{};
}
