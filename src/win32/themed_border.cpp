#include "win32/themed_border.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

namespace quorvane::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

void paintBorder(HWND control) {
    HTHEME theme = OpenThemeData(control, L"EDIT");
    if (theme == nullptr) return;
    RECT outer{};
    GetWindowRect(control, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    // Only the two-pixel client edge: the scroll bars are drawn already.
    RECT inner = outer;
    InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    HDC dc = GetWindowDC(control);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    const int state = IsWindowEnabled(control) ? ETS_NORMAL : ETS_DISABLED;
    DrawThemeBackground(theme, dc, EP_EDITTEXT, state, &outer, nullptr);
    ReleaseDC(control, dc);
    CloseThemeData(theme);
}

LRESULT CALLBACK borderProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
            if (IsAppThemed()) paintBorder(control);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, borderProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void useThemedBorder(HWND control) {
    if (control == nullptr) return;
    SetWindowSubclass(control, borderProc, kSubclassId, 0);
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvane::win32
