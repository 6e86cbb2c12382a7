// SPDX-License-Identifier: MIT
// The picture into the window through the X server's own scaling.
#include "platform/window_present.h"

#if defined(_WIN32) || defined(__EMSCRIPTEN__)

struct WindowPresenter::Parts {};
WindowPresenter::WindowPresenter() = default;
WindowPresenter::~WindowPresenter() = default;
bool WindowPresenter::open(int, int) {
    refused = true;
    return false;
}
unsigned char* WindowPresenter::pixels() { return nullptr; }
int WindowPresenter::rowPixels() const { return 0; }
void WindowPresenter::show(int, int, int, int, int, int) {}

#else
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>

struct WindowPresenter::Parts {
    Display* display = nullptr;
    Window window = 0;
    XShmSegmentInfo segment{};
    XImage* image = nullptr;
    bool attached = false;
    Pixmap pixmap = 0;
    GC gc = nullptr;
    Picture source = 0, target = 0;
    int width = 0, height = 0;
    int scaledWidth = 0, scaledHeight = 0;  // the scale the source is set to
    bool pending = false;                   // a picture sent, not yet taken
};

namespace {
// The X library's default handler ends the program on any error; where a
// server refuses (shared memory across a network, say) we only stop asking.
bool xFailed = false;
int noteXError(Display*, XErrorEvent*) {
    xFailed = true;
    return 0;
}

// Runs `calls` and waits for the server: false when it refused any of them.
template <typename Calls>
bool trapped(Display* display, Calls calls) {
    XSync(display, False);
    xFailed = false;
    const auto previous = XSetErrorHandler(noteXError);
    calls();
    XSync(display, False);
    XSetErrorHandler(previous);
    return !xFailed;
}

void release(WindowPresenter::Parts& p) {
    trapped(p.display, [&] {
        if (p.source != 0) XRenderFreePicture(p.display, p.source);
        if (p.target != 0) XRenderFreePicture(p.display, p.target);
        if (p.gc != nullptr) XFreeGC(p.display, p.gc);
        if (p.pixmap != 0) XFreePixmap(p.display, p.pixmap);
        if (p.attached) XShmDetach(p.display, &p.segment);
    });
    if (p.image != nullptr) {
        p.image->data = nullptr;  // the shared segment, not the library's
        XDestroyImage(p.image);
    }
    if (p.segment.shmaddr != nullptr) shmdt(p.segment.shmaddr);
}
}  // namespace

WindowPresenter::WindowPresenter() = default;

WindowPresenter::~WindowPresenter() {
    if (parts) release(*parts);
}

bool WindowPresenter::open(int width, int height) {
    if (parts) return true;
    if (refused) return false;
    refused = true;  // until everything below is made
    Display* const display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    int renderEvent = 0, renderError = 0;
    if (display == nullptr || window == 0 || !XShmQueryExtension(display) ||
        !XRenderQueryExtension(display, &renderEvent, &renderError))
        return false;
    XWindowAttributes attributes{};
    XVisualInfo visual{};
    if (!XGetWindowAttributes(display, window, &attributes) ||
        !XMatchVisualInfo(display, DefaultScreen(display), 24, TrueColor, &visual))
        return false;
    XRenderPictFormat* const windowFormat = XRenderFindVisualFormat(display, attributes.visual);
    XRenderPictFormat* const pictureFormat = XRenderFindStandardFormat(display, PictStandardRGB24);
    if (windowFormat == nullptr || pictureFormat == nullptr) return false;

    auto p = std::make_unique<Parts>();
    p->display = display;
    p->window = window;
    p->width = width;
    p->height = height;
    p->image = XShmCreateImage(display, visual.visual, 24, ZPixmap, nullptr, &p->segment,
                               width, height);
    // GL's B, G, R, A bytes are the server's pixels only as 32-bit words,
    // low byte first.
    if (p->image == nullptr || p->image->bits_per_pixel != 32 || p->image->byte_order != LSBFirst) {
        release(*p);
        return false;
    }
    p->segment.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(p->image->bytes_per_line) * height,
                              IPC_CREAT | 0600);
    if (p->segment.shmid < 0) {
        release(*p);
        return false;
    }
    void* const memory = shmat(p->segment.shmid, nullptr, 0);
    if (memory != reinterpret_cast<void*>(-1)) p->segment.shmaddr = p->image->data = static_cast<char*>(memory);
    p->segment.readOnly = False;
    const bool made = p->segment.shmaddr != nullptr && trapped(display, [&] {
        p->attached = XShmAttach(display, &p->segment) != 0;
        p->pixmap = XCreatePixmap(display, window, width, height, 24);
        p->gc = XCreateGC(display, p->pixmap, 0, nullptr);
        XRenderPictureAttributes edges{};
        edges.repeat = RepeatPad;  // filtering at the edges sees the edge, not black
        p->source = XRenderCreatePicture(display, p->pixmap, pictureFormat, CPRepeat, &edges);
        p->target = XRenderCreatePicture(display, window, windowFormat, 0, nullptr);
    });
    // Gone with the last detach, whatever becomes of the game.
    shmctl(p->segment.shmid, IPC_RMID, nullptr);
    if (!made || !p->attached) {
        release(*p);
        return false;
    }
    parts = std::move(p);
    refused = false;
    return true;
}

unsigned char* WindowPresenter::pixels() {
    if (parts->pending) XSync(parts->display, False);
    parts->pending = false;
    return reinterpret_cast<unsigned char*>(parts->image->data);
}

int WindowPresenter::rowPixels() const { return parts->image->bytes_per_line / 4; }

void WindowPresenter::show(int windowWidth, int windowHeight, int x, int y, int width, int height) {
    Parts& p = *parts;
    if (width != p.scaledWidth || height != p.scaledHeight) {
        // From the window's pixels to the picture's, turned upside down, as
        // GL's rows start at the bottom.
        const double sx = static_cast<double>(p.width) / width;
        const double sy = static_cast<double>(p.height) / height;
        XTransform toPicture = {{{XDoubleToFixed(sx), 0, 0},
                                 {0, XDoubleToFixed(-sy), XDoubleToFixed(p.height)},
                                 {0, 0, XDoubleToFixed(1)}}};
        XRenderSetPictureTransform(p.display, p.source, &toPicture);
        const bool whole = width % p.width == 0 && width / p.width == height / p.height;
        XRenderSetPictureFilter(p.display, p.source, whole ? FilterNearest : FilterBilinear,
                                nullptr, 0);
        p.scaledWidth = width;
        p.scaledHeight = height;
    }
    XShmPutImage(p.display, p.pixmap, p.gc, p.image, 0, 0, 0, 0, p.width, p.height, False);
    const int top = windowHeight - y - height;
    XRenderComposite(p.display, PictOpSrc, p.source, None, p.target, 0, 0, 0, 0, x, top, width,
                     height);
    // The bars, where the screen is not 16:9.
    XRectangle bars[4];
    int count = 0;
    auto bar = [&](int bx, int by, int bw, int bh) {
        if (bw > 0 && bh > 0)
            bars[count++] = {static_cast<short>(bx), static_cast<short>(by),
                             static_cast<unsigned short>(bw), static_cast<unsigned short>(bh)};
    };
    bar(0, 0, windowWidth, top);
    bar(0, top + height, windowWidth, windowHeight - top - height);
    bar(0, top, x, height);
    bar(x + width, top, windowWidth - x - width, height);
    const XRenderColor black{0, 0, 0, 0xffff};
    if (count > 0) XRenderFillRectangles(p.display, PictOpSrc, p.target, &black, bars, count);
    XFlush(p.display);
    p.pending = true;
}
#endif
