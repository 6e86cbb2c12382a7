// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A file with the given content in the temporary directory, removed again
// when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& content);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string path;
};

// A FIFO with no writer in the temporary directory: opening it the plain way
// blocks for ever. Removed again when the object goes. (On Windows: the NUL
// device, which is no regular file either.)
class TempFifo {
public:
    TempFifo();
    ~TempFifo();
    TempFifo(const TempFifo&) = delete;
    TempFifo& operator=(const TempFifo&) = delete;

    std::string path;
};

// The system's folder for temporary files, without a trailing separator.
std::string tempDirectory();

// A model file as the build copies it: models/<name> beside the test program.
std::string builtModelPath(const std::string& name);

// A fresh folder in the temporary directory that the player's data folder
// points at while the object lives (XDG_DATA_HOME on Linux, APPDATA on
// Windows); removed again, with what the game kept there, when it goes.
class TempDataHome {
public:
    TempDataHome();
    ~TempDataHome();
    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    std::string path;
};
