// SPDX-License-Identifier: MIT
// Where the running program lives, asked of the system.
#include "platform/executable_path.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/wide_text.h"
#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>

#include <cstdlib>
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
#elif defined(__EMSCRIPTEN__)
std::string executablePath() {
    // Under node (the unit tests, with the real file system) the script that
    // runs; in a page, the program sits at the root of its packed files.
    char* path = reinterpret_cast<char*>(EM_ASM_INT({
        if (typeof process === 'undefined' || !process.argv || process.argv.length < 2) return 0;
        return allocateUTF8(require('path').resolve(process.argv[1]));
    }));
    if (!path) return "/krellwick";
    std::string result(path);
    std::free(path);
    return result;
}

char pathSeparator() { return '/'; }
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
