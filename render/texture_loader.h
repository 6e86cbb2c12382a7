// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

// Turns an image path into an OpenGL texture name, 0 on failure; on failure
// it puts the reason into `problem`.
using TextureLoader = std::function<unsigned int(const std::string& path, std::string& problem)>;

// The game's loader: the picture decoded by libpng (a damaged or hostile
// file is refused, never hangs) and made into a texture by SOIL, flipped,
// with S repeating, linear filtering and modulate. Needs a current OpenGL
// context.
unsigned int loadTextureWithSoil(const std::string& path, std::string& problem);
