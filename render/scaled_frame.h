// SPDX-License-Identifier: MIT
// The 1280 x 720 picture in a window of any size: scaled, 16:9 kept, black bars.
#pragma once

// The picture the game is drawn for; the window holds this size unless the
// screen is filled or the desktop is scaled.
constexpr int kPictureWidth = 1280;
constexpr int kPictureHeight = 720;

// A rectangle of the window in GL's terms (y from the bottom).
struct PictureRect {
    int x, y, width, height;
};

// The largest 16:9 rectangle that fits the window, centred.
PictureRect fitPicture(int windowWidth, int windowHeight);

// Places each frame's drawing in the window the reshape reported: a window
// of the picture's size is drawn into as it always was; any other size gets
// the picture fitted, the bars black.
class ScaledFrame {
public:
    void setWindowSize(int width, int height);
    // Before the frame's drawing: clears the window and makes the picture's
    // viewport current.
    void begin();
    // After the frame's drawing, before the swap.
    void end();

private:
    int windowWidth = kPictureWidth, windowHeight = kPictureHeight;
};
