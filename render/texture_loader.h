#pragma once

#include <functional>
#include <string>

// Turns an image path into an OpenGL texture name, 0 on failure.
using TextureLoader = std::function<unsigned int(const std::string& path)>;

// The game's loader: SOIL with the image flipped, S repeating, linear
// filtering and modulate. Needs a current OpenGL context.
unsigned int loadTextureWithSoil(const std::string& path);
