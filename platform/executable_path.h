// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Full path of the running program in UTF-8, however it was started (through
// a link, a relative path, a folder with non-ASCII letters). Empty when the
// system will not say.
std::string executablePath();

// The separator the system writes between folders: '\' on Windows, '/' elsewhere.
char pathSeparator();
