// SPDX-License-Identifier: MIT
// Temporary files for the reader tests.
#include "support/test_files.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#include "platform/wide_text.h"
#else
#include <sys/stat.h>
#endif

#include "render/asset_paths.h"

namespace {
// Tests run in parallel processes, so names carry a random part.
std::string freshName() {
    static std::mt19937_64 pick(std::random_device{}() ^
                                static_cast<std::uint64_t>(
                                    std::chrono::steady_clock::now().time_since_epoch().count()));
    return tempDirectory() + "/krellwick_test_" + std::to_string(pick());
}
}  // namespace

std::string tempDirectory() {
    std::string dir = std::filesystem::temp_directory_path().string();
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
    return dir;
}

TempFile::TempFile(const std::string& content) : path(freshName()) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot create a temporary file");
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
}

TempFile::~TempFile() { std::remove(path.c_str()); }

#ifdef _WIN32
// Windows has no FIFO in the file system; its NUL device is no regular file
// either, and opening it the plain way succeeds.
TempFifo::TempFifo() : path("NUL") {}

TempFifo::~TempFifo() {}
#else
TempFifo::TempFifo() : path(freshName() + "_fifo") {
    if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot create a FIFO");
}

TempFifo::~TempFifo() { std::remove(path.c_str()); }
#endif

std::string builtModelPath(const std::string& name) {
    return executableDirectory() + "/models/" + name;
}

TempDataHome::TempDataHome() : path(freshName() + "_data") {
    std::filesystem::create_directory(path);
#ifdef _WIN32
    _wputenv_s(L"APPDATA", wideFromUtf8(path).c_str());
#else
    setenv("XDG_DATA_HOME", path.c_str(), 1);
#endif
}

TempDataHome::~TempDataHome() {
    std::error_code ignored;
#ifndef _WIN32
    // A test may have left a folder that only its owner could enter.
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
#endif
    std::filesystem::remove_all(path, ignored);
}
