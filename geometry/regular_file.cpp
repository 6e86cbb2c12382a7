// SPDX-License-Identifier: MIT
// Opening asset files only when they are regular files.
#include "geometry/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::FILE* openRegularFile(const std::string& path, std::string& problem) {
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
    std::FILE* file = ::fdopen(fd, "r");
    if (!file) {
        problem = std::strerror(errno);
        ::close(fd);
    }
    return file;
}
