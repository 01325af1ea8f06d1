#pragma once
// Window classes of the program's own windows, and the one way a window
// finds the object it belongs to.
#include <windows.h>

namespace quorvane::win32 {

// Registers the class once per process; true when it exists afterwards.
inline bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HCURSOR cursor,
                                HBRUSH background, UINT style = 0) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The object a window of such a class belongs to; null before WM_NCCREATE
// and after WM_NCDESTROY.
template <class Owner>
Owner* ownerOf(HWND window) {
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window procedure of a class whose windows each belong to an object:
// the object is CreateWindowEx's creation parameter, and every message from
// WM_NCCREATE to WM_NCDESTROY goes to its onMessage.
template <class Owner>
LRESULT CALLBACK ownedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    Owner* owner = ownerOf<Owner>(window);
    if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = owner->onMessage(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return result;
}

}  // namespace quorvane::win32
