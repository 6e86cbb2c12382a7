// SPDX-License-Identifier: MIT
// Opening asset files only when they are regular files.
#include "platform/asset_file.h"

#ifdef _WIN32
#include <sys/stat.h>

#include "platform/wide_text.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>

#ifdef _WIN32
std::FILE* openAssetFile(const std::string& path, std::string& problem, std::int64_t* size) {
    // Wide names, so a folder such as "Krellwick Zoë" opens whatever the
    // code page; binary mode, or every CR LF pair in a picture is cut short.
    const std::wstring wide = wideFromUtf8(path);
    std::FILE* file = _wfopen(wide.c_str(), L"rbN");
    if (!file) {
        // A folder cannot be opened at all here; say what it is, as elsewhere.
        struct _stat64 info {};
        const bool folder = _wstat64(wide.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR);
        problem = folder ? "not a regular file" : std::strerror(errno);
        return nullptr;
    }
    struct _stat64 info {};
    if (_fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        problem = "not a regular file";
        std::fclose(file);
        return nullptr;
    }
    if (size) *size = info.st_size;
    return file;
}

int seekFile(std::FILE* file, std::int64_t offset, int origin) {
    return _fseeki64(file, offset, origin);
}

std::int64_t tellFile(std::FILE* file) { return _ftelli64(file); }
#else
std::FILE* openAssetFile(const std::string& path, std::string& problem, std::int64_t* size) {
    // Non-blocking, so opening a FIFO without a writer returns at once; the
    // flag changes nothing for reading a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = "not a regular file";
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        problem = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    if (size) *size = static_cast<std::int64_t>(info.st_size);
    return file;
}

int seekFile(std::FILE* file, std::int64_t offset, int origin) {
    return ::fseeko(file, static_cast<off_t>(offset), origin);
}

std::int64_t tellFile(std::FILE* file) { return static_cast<std::int64_t>(::ftello(file)); }
#endif
