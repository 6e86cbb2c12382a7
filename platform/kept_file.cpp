// SPDX-License-Identifier: MIT
// Keeping a small file safely: in the player's data folder, or the page's storage.
#include "platform/kept_file.h"

#include <string>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>

namespace {
// clang-format off
// 1 when the key holds a value, 0 when not, -1 when the storage is unusable
// (switched off, or a private window's).
EM_JS(int, storageHas, (const char* key), {
    try { return localStorage.getItem(UTF8ToString(key)) === null ? 0 : 1; } catch (e) { return -1; }
});
EM_JS(char*, storageGet, (const char* key), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        if (value === null) return 0;
        const size = lengthBytesUTF8(value) + 1;
        const text = _malloc(size);
        stringToUTF8(value, text, size);
        return text;
    } catch (e) { return 0; }
});
// 1 when stored; 0 when the storage refused it (full, or switched off).
EM_JS(int, storageSet, (const char* key, const char* value), {
    try { localStorage.setItem(UTF8ToString(key), UTF8ToString(value)); return 1; } catch (e) { return 0; }
});
EM_JS(void, storageRemove, (const char* key), {
    try { localStorage.removeItem(UTF8ToString(key)); } catch (e) {}
});
// clang-format on

std::string keyOf(const std::string& name) { return "krellwick/" + name; }
}  // namespace

std::string keptPlace(const std::string& name) {
    return "the browser's local storage (" + keyOf(name) + ")";
}

KeptRead readKept(const std::string& name, std::size_t limit) {
    KeptRead result;
    const std::string key = keyOf(name);
    const int has = storageHas(key.c_str());
    if (has == 0) return result;
    char* text = has > 0 ? storageGet(key.c_str()) : nullptr;
    if (text == nullptr) {
        result.outcome = KeptRead::Unreadable;
        result.problem = "the browser's storage is not available";
        return result;
    }
    result.text = text;
    std::free(text);
    result.outcome = KeptRead::Read;
    if (result.text.size() > limit) {
        result.outcome = KeptRead::Refused;
        result.problem = std::to_string(result.text.size()) + " bytes, too big to be ours";
        result.text.clear();
    }
    return result;
}

bool writeKept(const std::string& name, const std::string& text, std::string& problem) {
    // One entry is replaced whole: the storage has no half-written state.
    if (storageSet(keyOf(name).c_str(), text.c_str())) return true;
    problem = "the browser's storage refused it (full, or switched off)";
    return false;
}

std::string setKeptAside(const std::string& name, std::string& problem) {
    const std::string key = keyOf(name);
    char* text = storageGet(key.c_str());
    if (text == nullptr) {
        problem = "the browser's storage is not available";
        return {};
    }
    const std::string value = text;
    std::free(text);
    for (int i = 1; i < 100; ++i) {
        const std::string aside = key + ".bad" + (i > 1 ? std::to_string(i) : "");
        if (storageHas(aside.c_str()) != 0) continue;
        if (!storageSet(aside.c_str(), value.c_str())) break;
        storageRemove(key.c_str());
        return "the browser's local storage (" + aside + ")";
    }
    problem = "the browser's storage refused it";
    return {};
}
#else
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/asset_file.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/wide_text.h"
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';

std::string environment(const wchar_t* variable) {
    const wchar_t* value = _wgetenv(variable);
    return value != nullptr ? utf8FromWide(value) : std::string();
}

std::string dataFolder() {
    std::string base = environment(L"APPDATA");
    if (base.empty()) {
        base = environment(L"USERPROFILE");
        if (base.empty()) return {};
        base += "\\AppData\\Roaming";
    }
    return base + "\\Krellwick";
}

std::string systemError(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = n > 0 ? utf8FromWide(std::wstring(text, n)) : "error " + std::to_string(code);
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

bool isFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool exists(const std::string& path) {
    return GetFileAttributesW(wideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool makeFolder(const std::string& path, std::string& problem) {
    if (CreateDirectoryW(wideFromUtf8(path).c_str(), nullptr) || isFolder(path)) return true;
    problem = systemError(GetLastError());
    return false;
}

// A file written whole and flushed to the disk, then moved over the old one.
bool writeThenReplace(const std::string& path, const std::string& text, std::string& problem) {
    const std::wstring wide = wideFromUtf8(path);
    const std::wstring fresh = wide + L".new-" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        problem = systemError(GetLastError());
        return false;
    }
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written,
                                 nullptr) &&
                       written == text.size() && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!whole || !MoveFileExW(fresh.c_str(), wide.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        problem = systemError(whole ? GetLastError() : error);
        DeleteFileW(fresh.c_str());
        return false;
    }
    return true;
}

bool moveAside(const std::string& from, const std::string& to, std::string& problem) {
    if (MoveFileExW(wideFromUtf8(from).c_str(), wideFromUtf8(to).c_str(), 0)) return true;
    problem = systemError(GetLastError());
    return false;
}

// Missing, or the problem when it cannot be looked at.
KeptRead lookAt(const std::string& path, std::size_t limit) {
    KeptRead result;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wideFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            result.outcome = KeptRead::Unreadable;
            result.problem = systemError(error);
        }
        return result;
    }
    const unsigned long long size =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    result.outcome = KeptRead::Read;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        result.outcome = KeptRead::Refused;
        result.problem = "a folder, not a file";
    } else if (size > limit) {
        result.outcome = KeptRead::Refused;
        result.problem = std::to_string(size) + " bytes, too big to be ours";
    }
    return result;
}
#else
constexpr char kSeparator = '/';

std::string dataFolder() {
    // A relative XDG_DATA_HOME is to be ignored, as the base directory rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/krellwick";
    const char* home = std::getenv("HOME");
    std::string base = home != nullptr ? home : "";
    if (base.empty()) {
        const passwd* user = getpwuid(getuid());
        if (user == nullptr || user->pw_dir == nullptr) return {};
        base = user->pw_dir;
    }
    return base + "/.local/share/krellwick";
}

bool exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

bool makeFolder(const std::string& path, std::string& problem) {
    struct stat info {};
    if (mkdir(path.c_str(), 0700) == 0 || (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
        return true;
    problem = std::strerror(errno == EEXIST ? ENOTDIR : errno);
    return false;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file written whole and flushed to the disk, renamed over the old one,
// then the folder flushed so the rename itself survives a power cut.
bool writeThenReplace(const std::string& path, const std::string& text, std::string& problem) {
    const std::string fresh = path + ".new-" + std::to_string(getpid());
    const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        problem = std::strerror(errno);
        return false;
    }
    const bool whole = writeAll(fd, text) && fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0 || !whole || rename(fresh.c_str(), path.c_str()) != 0) {
        problem = std::strerror(whole ? errno : error);
        unlink(fresh.c_str());
        return false;
    }
    const std::string folder = path.substr(0, path.rfind('/'));
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool moveAside(const std::string& from, const std::string& to, std::string& problem) {
    if (rename(from.c_str(), to.c_str()) == 0) return true;
    problem = std::strerror(errno);
    return false;
}

KeptRead lookAt(const std::string& path, std::size_t limit) {
    KeptRead result;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            result.outcome = KeptRead::Unreadable;
            result.problem = std::strerror(errno);
        }
        return result;
    }
    result.outcome = KeptRead::Read;
    if (S_ISDIR(info.st_mode)) {
        result.outcome = KeptRead::Refused;
        result.problem = "a folder, not a file";
    } else if (!S_ISREG(info.st_mode)) {
        result.outcome = KeptRead::Refused;
        result.problem = "not a regular file";
    } else if (static_cast<unsigned long long>(info.st_size) > limit) {
        result.outcome = KeptRead::Refused;
        result.problem = std::to_string(info.st_size) + " bytes, too big to be ours";
    }
    return result;
}
#endif

std::string pathOf(const std::string& name) {
    const std::string folder = dataFolder();
    return folder.empty() ? std::string() : folder + kSeparator + name;
}

const char* const kNoFolder = "no data folder: the environment names no home";

// Makes each missing folder along the path.
bool makeFolders(const std::string& folder, std::string& problem) {
    for (std::size_t at = folder.find_first_of("/\\", 1); at != std::string::npos;
         at = folder.find_first_of("/\\", at + 1)) {
        std::string ignored;
        if (at > 0 && folder[at - 1] != ':') makeFolder(folder.substr(0, at), ignored);
    }
    return makeFolder(folder, problem);
}
}  // namespace

std::string keptPlace(const std::string& name) {
    const std::string path = pathOf(name);
    return path.empty() ? std::string(kNoFolder) : path;
}

KeptRead readKept(const std::string& name, std::size_t limit) {
    const std::string path = pathOf(name);
    if (path.empty()) return {};
    KeptRead result = lookAt(path, limit);
    if (result.outcome != KeptRead::Read) return result;
    std::int64_t size = 0;
    std::FILE* file = openAssetFile(path, result.problem, &size);
    if (file == nullptr) {
        result.outcome = result.problem == "not a regular file" ? KeptRead::Refused
                                                                : KeptRead::Unreadable;
        return result;
    }
    std::string text(limit + 1, '\0');
    const std::size_t n = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        result.outcome = KeptRead::Unreadable;
        result.problem = "a read error";
    } else if (n > limit) {  // it grew since it was looked at
        result.outcome = KeptRead::Refused;
        result.problem = "too big to be ours";
    } else {
        result.text = text.substr(0, n);
    }
    return result;
}

bool writeKept(const std::string& name, const std::string& text, std::string& problem) {
    const std::string path = pathOf(name);
    if (path.empty()) {
        problem = kNoFolder;
        return false;
    }
    return makeFolders(path.substr(0, path.find_last_of("/\\")), problem) &&
           writeThenReplace(path, text, problem);
}

std::string setKeptAside(const std::string& name, std::string& problem) {
    const std::string path = pathOf(name);
    for (int i = 1; i < 100; ++i) {
        const std::string aside = path + ".bad" + (i > 1 ? std::to_string(i) : "");
        if (exists(aside)) continue;
        return moveAside(path, aside, problem) ? aside : std::string();
    }
    problem = "no free name beside it";
    return {};
}
#endif
