// SPDX-License-Identifier: MIT
// The 1280 x 720 picture in a window of any size: scaled, 16:9 kept, black bars.
#pragma once

#include "platform/window_present.h"
#include "render/frame_store.h"

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
// the picture fitted, the bars black. Where the driver has framebuffer
// objects the picture is drawn at 1280 x 720 off the window and scaled into
// it in one step: on a software renderer by the window system where it can
// (X), since drawing at the screen's size cannot keep 60 frames a second
// there, nor can GL's scaling; else by GL. Without framebuffer objects it is
// drawn straight into the fitted viewport.
class ScaledFrame {
public:
    ScaledFrame() = default;
    ScaledFrame(const ScaledFrame&) = delete;
    ScaledFrame& operator=(const ScaledFrame&) = delete;
    ~ScaledFrame() { picture.release(); }

    void setWindowSize(int width, int height);
    // Before the frame's drawing: clears and makes the picture's viewport
    // current, on the framebuffer the picture is drawn into.
    void begin();
    // After the frame's drawing: the picture into the window.
    void end();
    // Whether the frame still needs the buffers swapped: not when the window
    // system has put the picture on the screen itself.
    bool needsSwap() const { return !shownByWindowSystem; }
    // True while frames are drawn off the window.
    bool offWindow() const { return drawingOff; }

    // On unless a benchmark turns them off to weigh the other ways.
    bool offWindowAllowed = true;
    bool windowSystemAllowed = true;

private:
    bool pictureReady();

    int windowWidth = kPictureWidth, windowHeight = kPictureHeight;
    Framebuffer picture;  // made on first need
    bool refused = false;
    bool drawingOff = false;
    WindowPresenter presenter;
    bool shownByWindowSystem = false;
};
