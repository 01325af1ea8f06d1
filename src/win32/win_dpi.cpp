#include "win32/win_dpi.h"

namespace quorvane::win32 {
namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// Looked up, not linked: the exe must also start on systems without them.
template <class Proc>
Proc user32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                             : nullptr;
}

UINT systemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT windowDpi(HWND window) {
    static const auto getDpiForWindow = user32Function<GetDpiForWindowProc>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
    }
    return systemDpi();
}

HFONT createMessageFontForDpi(UINT dpi) {
    static const auto forDpi = user32Function<SystemParametersInfoForDpiProc>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    // The metrics are the system DPI's.
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace quorvane::win32
