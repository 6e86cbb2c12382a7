// SPDX-License-Identifier: MIT
// Where the running program lives, asked of the system.
#include "platform/executable_path.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/wide_text.h"
#else
#include <unistd.h>
#endif

#include <vector>

#ifdef _WIN32
std::string executablePath() {
    // The wide call: the ANSI one mangles a folder such as "Krellwick Zoë".
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return "";
        if (n < buffer.size()) return utf8FromWide(std::wstring(buffer.data(), n));
        if (buffer.size() >= 32768) return "";  // longer than any Windows path
        buffer.resize(buffer.size() * 2);
    }
}

char pathSeparator() { return '\\'; }
#else
std::string executablePath() {
    // The kernel gives the real path even when the game was started through a
    // symlink or a relative path.
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return "";
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

char pathSeparator() { return '/'; }
#endif
