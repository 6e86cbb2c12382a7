// SPDX-License-Identifier: MIT
// Finding the asset folders beside the executable.
#include "render/asset_paths.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

std::string executableDirectory() {
    // Asked afresh each time; the kernel gives the real path even when the
    // game was started through a symlink or a relative path.
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return ".";
    return directoryOf(std::string(buffer.data(), static_cast<std::size_t>(n)));
}

std::string directoryOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) return path;
    return path.substr(0, cut);
}

std::string assetFile(const std::string& subdirectory, const std::string& file) {
    return executableDirectory() + "/" + subdirectory + "/" + file;
}

std::string assetPath(const std::string& subdirectory, const std::string& file) {
    const std::string path = assetFile(subdirectory, file);
    std::printf("Loading %s\n", path.c_str());
    return path;
}

std::string modelPath(const std::string& file) { return assetPath("models", file); }

std::string texturePath(const std::string& file) { return assetPath("textures", file); }
