// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

// Shows a picture drawn off the window in the game's window, scaled by the
// window system instead of by GL. On software GL, scaling a 1280 x 720
// picture to a 1920 x 1080 screen and swapping the screen-sized result costs
// more than a frame; the X server scales it in a few milliseconds, in its
// own process. X11 only (shared memory and Render): elsewhere, or where the
// server lacks either, `open` says no and GL scales as before.
class WindowPresenter {
public:
    WindowPresenter();
    ~WindowPresenter();
    WindowPresenter(const WindowPresenter&) = delete;
    WindowPresenter& operator=(const WindowPresenter&) = delete;

    // For the current GL context's window and pictures of width x height;
    // false, and no more tries, where the window system cannot.
    bool open(int width, int height);
    // Where the next picture goes: rows bottom first, as GL reads them, each
    // `rowPixels` of 4 bytes (B, G, R, unused). Waits until the window
    // system has taken the last picture.
    unsigned char* pixels();
    int rowPixels() const;
    // The picture, scaled to width x height with its lower left corner at
    // (x, y) of the window (GL's way: y from the bottom), the rest of the
    // window black. A whole multiple is scaled by repeating pixels (sharp);
    // any other size is filtered.
    void show(int windowWidth, int windowHeight, int x, int y, int width, int height);

    struct Parts;  // the window system's, kept out of this header

private:
    std::unique_ptr<Parts> parts;
    bool refused = false;
};
