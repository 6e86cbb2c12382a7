// SPDX-License-Identifier: MIT
// Opens asset files only when they are regular files.
#pragma once

#include <cstdio>
#include <string>

// Opens `path` for reading when it is a regular file (or a link to one). A
// FIFO, device or directory would block or never end, so it counts as
// missing: the result is null and `problem` says why.
std::FILE* openRegularFile(const std::string& path, std::string& problem);
