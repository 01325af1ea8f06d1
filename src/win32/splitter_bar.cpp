#include "win32/splitter_bar.h"

#include "win32/window_class.h"

namespace quorvane::win32 {
namespace {

// The point of the message in the parent's client coordinates.
POINT inParent(HWND window, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(window, GetParent(window), &at, 1);
    return at;
}

LRESULT CALLBACK splitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            // Where in the bar it was grabbed, so the bar does not jump to the pointer.
            SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<short>(HIWORD(lParam)));
            SetCapture(window);
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == window) {
                const LONG_PTR grabbedAt = GetWindowLongPtrW(window, GWLP_USERDATA);
                const INT_PTR top = inParent(window, lParam).y - grabbedAt;
                SendMessageW(GetParent(window), kSplitterDraggedMessage, static_cast<WPARAM>(top), 0);
            }
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == window) ReleaseCapture();
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

bool registerSplitterClass(HINSTANCE instance) {
    return registerWindowClass(instance, kSplitterClass, splitterProc, LoadCursorW(nullptr, IDC_SIZENS),
                               GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace quorvane::win32
