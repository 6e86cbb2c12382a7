// SPDX-License-Identifier: MIT
// Loading a picture into a texture.
#include <GL/gl.h>
#include <GL/glext.h>
#include <SOIL/SOIL.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "render/asset_paths.h"
#include "render/picture_prefetch.h"
#include "render/png_picture.h"
#include "world/model_manager.h"

namespace {
// The image library's own decoder is an old one that loops forever on a
// damaged deflate stream; libpng decodes, the library makes the texture.
unsigned int textureOf(const Picture& picture, std::string& problem) {
    const unsigned int name =
        SOIL_create_OGL_texture(picture.pixels.get(), picture.width, picture.height,
                                picture.channels, SOIL_CREATE_NEW_ID, SOIL_FLAG_INVERT_Y);
    if (name == 0) {
        problem = SOIL_last_result();
    } else {
        glBindTexture(GL_TEXTURE_2D, name);
        // Only S repeats: the ground strip runs its S coordinate to 1.8.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        // T is clamped to the edge texels, not to the border colour the image
        // library leaves: the software renderer takes a far slower path for a
        // border clamp, and the border only faded the top and bottom rows.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    return name;
}

bool isGameLoader(const TextureLoader& loader) {
    using Function = unsigned int (*)(const std::string&, std::string&);
    const Function* function = loader.target<Function>();
    return function && *function == &loadTextureWithSoil;
}
}  // namespace

unsigned int loadTextureWithSoil(const std::string& path, std::string& problem) {
    Picture picture;
    if (!readPng(path, picture, problem)) return 0;
    return textureOf(picture, problem);
}

void ModelManager::loadTextures(const TextureLoader& loader) {
    if (!isGameLoader(loader)) {
        for (const TextureFile& entry : kTextureLoadOrder)
            loadTexture(entry.index, texturePath(entry.file), loader);
        return;
    }
    // The game's own loader: the pictures decoded ahead on a thread.
    std::vector<std::string> paths;
    for (const TextureFile& entry : kTextureLoadOrder)
        paths.push_back(assetFile("textures", entry.file));
    PicturePrefetch prefetch(std::move(paths));
    const TextureLoader fromPrefetch = [&prefetch](const std::string& path, std::string& problem) {
        Picture picture;
        if (!prefetch.take(path, picture, problem)) return 0u;
        return textureOf(picture, problem);
    };
    for (const TextureFile& entry : kTextureLoadOrder)
        loadTexture(entry.index, texturePath(entry.file), fromPrefetch);
}

void ModelManager::loadTexture(int index, std::string path, const TextureLoader& loader) {
    std::string problem;
    const unsigned int name = loader(path, problem);
    textures[static_cast<std::size_t>(index)] = name;
    if (name == 0) {
        std::printf("ERROR: Could not load Texture Index %d \n", index);
        std::printf("Picture %s not loaded: %s\n", path.c_str(), problem.c_str());
    }
}
