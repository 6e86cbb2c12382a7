// SPDX-License-Identifier: MIT
// Keeping the audio libraries quiet about a sound device that is not there.
#include "platform/audio_quiet.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#elif !defined(__EMSCRIPTEN__)
#include <dlfcn.h>
#include <glob.h>
#endif

#ifdef __EMSCRIPTEN__
// The browser always has an output (its audio context) and prints nothing
// about a missing one.
bool soundOutputVisible() { return true; }

void beginQuietAudioProbe() {}

void endQuietAudioProbe() {}
#else
namespace {
bool setByPlayer(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}
}  // namespace

#ifdef _WIN32
bool soundOutputVisible() {
    return waveOutGetNumDevs() > 0 || setByPlayer("ALSOFT_CONF") || setByPlayer("ALSOFT_DRIVERS");
}

void beginQuietAudioProbe() {
    // Read once, at OpenAL Soft's first call.
    if (!setByPlayer("ALSOFT_LOGLEVEL")) _putenv("ALSOFT_LOGLEVEL=0");
}

void endQuietAudioProbe() {}
#else
namespace {
bool anyPath(const char* pattern) {
    glob_t found{};
    const bool any = glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0;
    globfree(&found);
    return any;
}

bool runtimeSocket(const char* name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    return dir && *dir && anyPath((std::string(dir) + "/" + name).c_str());
}

// ALSA's error handler, set in the same libasound that OpenAL Soft loads.
using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetHandler = int (*)(ErrorHandler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void* alsa = nullptr;

void setAlsaHandler(ErrorHandler handler) {
    if (!alsa) return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(handler);
}
}  // namespace

bool soundOutputVisible() {
    return anyPath("/dev/snd/pcmC*p") || runtimeSocket("pulse/native") ||
           runtimeSocket("pipewire-0") || setByPlayer("PULSE_SERVER") ||
           setByPlayer("ALSOFT_CONF") || setByPlayer("ALSOFT_DRIVERS");
}

void beginQuietAudioProbe() {
    // Read once, at OpenAL Soft's first call.
    if (!setByPlayer("ALSOFT_LOGLEVEL")) setenv("ALSOFT_LOGLEVEL", "0", 0);
    if (!alsa) alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    setAlsaHandler(ignoreAlsaError);
}

void endQuietAudioProbe() {
    setAlsaHandler(nullptr);  // ALSA's own printing again
}
#endif
#endif
