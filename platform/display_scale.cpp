// SPDX-License-Identifier: MIT
// The desktop's scale, from Windows' dots per inch.
#include "platform/display_scale.h"

#ifdef _WIN32
#include <windows.h>

namespace {
constexpr double kUnscaledDpi = 96;

// Looked up by name: Windows before 10 has neither call, and the program
// must still start there.
template <typename Call>
Call user32Call(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

UINT dpiNow() {
    using ForWindow = UINT(WINAPI*)(HWND);
    using ForSystem = UINT(WINAPI*)();
    const HDC glDc = wglGetCurrentDC();
    const HWND ours = glDc != nullptr ? WindowFromDC(glDc) : nullptr;
    if (ours != nullptr) {
        if (const auto forWindow = user32Call<ForWindow>("GetDpiForWindow")) return forWindow(ours);
    }
    if (const auto forSystem = user32Call<ForSystem>("GetDpiForSystem")) return forSystem();
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 0;
}
}  // namespace

double displayScale() {
    const UINT dpi = dpiNow();
    return dpi > 0 ? dpi / kUnscaledDpi : 1.0;
}
#else
double displayScale() { return 1.0; }
#endif
