// SPDX-License-Identifier: MIT
// Finding the asset folders beside the executable.
#include "render/asset_paths.h"

#include <cstdio>

#include "platform/executable_path.h"

std::string executableDirectory() {
    const std::string path = executablePath();
    if (path.empty()) return ".";
    return directoryOf(path);
}

std::string directoryOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) return path;
    return path.substr(0, cut);
}

std::string assetFile(const std::string& subdirectory, const std::string& file) {
    const char separator = pathSeparator();
    return executableDirectory() + separator + subdirectory + separator + file;
}

std::string assetPath(const std::string& subdirectory, const std::string& file) {
    const std::string path = assetFile(subdirectory, file);
    std::printf("Loading %s\n", path.c_str());
    return path;
}

std::string modelPath(const std::string& file) { return assetPath("models", file); }

std::string texturePath(const std::string& file) { return assetPath("textures", file); }
