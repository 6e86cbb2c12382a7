// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Opens the file at `path` (UTF-8) for reading, in binary mode, when it is a
// regular file (or a link to one). A FIFO, device or folder would block,
// never end or mean nothing, so it counts as missing: the result is null and
// `problem` says why. `size`, when given, receives the file's length in bytes,
// so a reader can refuse an oversized file before reading it.
std::FILE* openAssetFile(const std::string& path, std::string& problem,
                         std::int64_t* size = nullptr);

// Seeking and telling with 64-bit offsets; the same meaning as fseek and ftell.
int seekFile(std::FILE* file, std::int64_t offset, int origin);
std::int64_t tellFile(std::FILE* file);
