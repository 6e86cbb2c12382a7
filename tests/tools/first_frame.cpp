// SPDX-License-Identifier: MIT
// Measures the game's start-up as a player sees it: launches the program,
// then watches the X display until its window is mapped and until the
// window first shows a picture (any pixel not black). The game itself is not
// changed or told anything.
//
//   krellwick_first_frame GAME [timeout-seconds]
// Prints: "mapped <ms> first-frame <ms>" and ends the game.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The top-level window titled "Krellwick", or 0.
Window findGameWindow(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, "Krellwick") == 0) found = children[i];
            XFree(name);
        }
    }
    if (children) XFree(children);
    return found;
}

bool isViewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable;
}

// True when some pixel of a strip of 15 rows across the window's middle is
// not black (every 7th pixel looked at): the first frame paints every pixel
// of it. Only the strip is fetched, as fetching the whole window every half
// millisecond kept the X server busy on a core the game's start-up uses.
bool showsPicture(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    const int rows = std::min(15, attributes.height);
    XImage* image = XGetImage(display, window, 0, (attributes.height - rows) / 2,
                              attributes.width, rows, AllPlanes, ZPixmap);
    if (!image) return false;
    bool lit = false;
    for (int y = 0; y < image->height && !lit; y += 7) {
        for (int x = 0; x < image->width && !lit; x += 7) {
            lit = (XGetPixel(image, x, y) & 0xffffff) != 0;
        }
    }
    XDestroyImage(image);
    return lit;
}

int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GAME [timeout-seconds]\n", argv[0]);
        return 2;
    }
    const double timeoutMs = (argc > 2 ? std::atof(argv[2]) : 10) * 1000;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // The window may vanish or change between two requests.
    XSetErrorHandler(ignoreXErrors);

    const Clock::time_point start = Clock::now();
    const pid_t game = fork();
    if (game == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    double mappedMs = -1, frameMs = -1;
    Window window = 0;
    while (msSince(start) < timeoutMs && frameMs < 0) {
        if (!window) window = findGameWindow(display);
        if (window && mappedMs < 0 && isViewable(display, window)) mappedMs = msSince(start);
        if (mappedMs >= 0 && showsPicture(display, window)) frameMs = msSince(start);
        if (waitpid(game, nullptr, WNOHANG) == game) break;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(game, SIGTERM);
    waitpid(game, nullptr, 0);
    XCloseDisplay(display);
    if (frameMs < 0) {
        std::fprintf(stderr, "no picture within the time-out (mapped: %.1f ms)\n", mappedMs);
        return 1;
    }
    std::printf("mapped %.1f first-frame %.1f\n", mappedMs, frameMs);
    return 0;
}
