// SPDX-License-Identifier: MIT
// Can the game's window open at all?
#include "platform/display_check.h"

#if defined(_WIN32) || defined(__EMSCRIPTEN__)
std::string displayProblem(int, const char* const*, const std::string&) { return {}; }
#else
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

std::string displayProblem(int argc, const char* const* argv, const std::string& program) {
    const char* name = std::getenv("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0) name = argv[i + 1];
    std::string problem;
    if (name == nullptr || *name == '\0') {
        problem = "No display found (DISPLAY is not set), so the game window cannot open.\n";
    } else if (Display* display = XOpenDisplay(name)) {
        XCloseDisplay(display);
        return {};
    } else {
        problem = std::string("Could not open the display '") + name +
                  "', so the game window cannot open.\n";
    }
    return problem +
           "Run it on a desktop session, or under a virtual display:\n"
           "  xvfb-run -a -s \"-screen 0 1920x1080x24\" " + program + "\n";
}
#endif
