#include "win32/splitter_bar.h"

#include "win32/window_class.h"

namespace quorvane::win32 {
namespace {

LRESULT CALLBACK splitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerSplitterClass(HINSTANCE instance) {
    return registerWindowClass(instance, kSplitterClass, splitterProc, LoadCursorW(nullptr, IDC_SIZENS),
                               GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace quorvane::win32
