// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Directory of the running executable, asked of the system each time.
std::string executableDirectory();
// Directory of a path: everything before its last '/' or '\'; the whole path
// when it has no separator.
std::string directoryOf(const std::string& path);

// executable dir + subdirectory + file, joined by the system's separator.
std::string assetFile(const std::string& subdirectory, const std::string& file);
// The same, echoing "Loading <path>".
std::string assetPath(const std::string& subdirectory, const std::string& file);
std::string modelPath(const std::string& file);
std::string texturePath(const std::string& file);
