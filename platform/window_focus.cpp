// SPDX-License-Identifier: MIT
// Who has the keyboard: the game's window or another.
#include "platform/window_focus.h"

#ifdef _WIN32
#include <windows.h>

WindowFocus windowFocus() {
    const HDC dc = wglGetCurrentDC();
    const HWND ours = dc != nullptr ? WindowFromDC(dc) : nullptr;
    if (ours == nullptr) return WindowFocus::Unknown;
    const HWND front = GetForegroundWindow();
    return front == ours || GetAncestor(front, GA_ROOT) == GetAncestor(ours, GA_ROOT)
               ? WindowFocus::Ours
               : WindowFocus::Elsewhere;
}
#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>

// clang-format off
EM_JS(int, pageFocus, (), {
    if (document.hidden) return 0;
    const canvas = Module['canvas'];
    return canvas && document.activeElement === canvas && document.hasFocus() ? 1 : 0;
});
// clang-format on

WindowFocus windowFocus() { return pageFocus() ? WindowFocus::Ours : WindowFocus::Elsewhere; }
#else
#include <GL/glx.h>
#include <X11/Xlib.h>

WindowFocus windowFocus() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable ours = glXGetCurrentDrawable();
    if (display == nullptr || ours == 0) return WindowFocus::Unknown;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    // PointerRoot: the keys go wherever the pointer is; None: nowhere.
    if (focus == PointerRoot) return WindowFocus::Unknown;
    if (focus == ours) return WindowFocus::Ours;
    // A child of ours (the toolkit may add one) still counts as ours.
    Window root = None, parent = focus, *children = nullptr;
    unsigned int count = 0;
    while (parent != None && parent != ours) {
        Window up = None;
        if (!XQueryTree(display, parent, &root, &up, &children, &count)) break;
        if (children != nullptr) XFree(children);
        if (up == root) break;
        parent = up;
    }
    return parent == ours ? WindowFocus::Ours : WindowFocus::Elsewhere;
}
#endif
