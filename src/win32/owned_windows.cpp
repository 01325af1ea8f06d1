#include "win32/owned_windows.h"

#include "shell/panel_layout.h"

namespace quorvane::win32 {

namespace {

Rect toRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The message box being opened on this thread, and its owner.
thread_local HWND boxOwner = nullptr;
thread_local HHOOK boxHook = nullptr;

// The system creates and sizes a message box inside MessageBox; it is moved
// the moment it is first activated, before it is drawn.
LRESULT CALLBACK placeBoxWhenActivated(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = boxHook;
    if (code == HCBT_ACTIVATE && boxOwner != nullptr) {
        const auto box = reinterpret_cast<HWND>(wParam);
        RECT frame{};
        GetWindowRect(box, &frame);
        placeOverOwner(box, boxOwner, frame.right - frame.left, frame.bottom - frame.top);
        boxOwner = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

void placeOverOwner(HWND window, HWND owner, int width, int height) {
    RECT around{};
    if (owner == nullptr || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &around))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor);
    const Rect place = shell::centredOver(toRect(around), width, height, toRect(monitor.rcWork));
    SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int ownedMessageBox(HWND panel, const wchar_t* text, const wchar_t* title, UINT style) {
    // While a dialog of the panel is open the panel is disabled, and the box
    // belongs to that dialog: it stays in front of it and keeps it modal.
    const HWND owner = panel != nullptr && !IsWindowEnabled(panel) ? GetLastActivePopup(panel) : panel;
    boxOwner = owner;
    boxHook = SetWindowsHookExW(WH_CBT, placeBoxWhenActivated, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, text, title, style);
    if (boxHook != nullptr) UnhookWindowsHookEx(boxHook);
    boxHook = nullptr;
    boxOwner = nullptr;
    return answer;
}

}  // namespace quorvane::win32
