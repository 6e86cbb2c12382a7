// SPDX-License-Identifier: MIT
// Temporary files for the reader tests.
#include "support/test_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

TempFile::TempFile(const std::string& content) {
    char name[] = "/tmp/krellwick_test_XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    path = name;
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    close(fd);
}

TempFile::~TempFile() { std::remove(path.c_str()); }

TempFifo::TempFifo() {
    TempFile name("");  // a fresh unique name
    path = name.path + "_fifo";
    if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot create a FIFO");
}

TempFifo::~TempFifo() { std::remove(path.c_str()); }

std::string builtModelPath(const std::string& name) {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
    return exe.substr(0, exe.find_last_of('/')) + "/models/" + name;
}
