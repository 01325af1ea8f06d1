#pragma once
// The mouse hook runs on a thread of its own, so the system never has to
// wait for the panel's thread (which may be inside a slide, a database write
// or a modal loop) and never drops the hook for being slow. Each left-button
// press is posted to the panel as kLeftButtonPressedMessage.
#include <windows.h>

#include "platform/mouse_hook.h"

namespace quorvane::win32 {

// wParam: the press's time (GetTickCount's clock); lParam: its screen point
// as two signed 16-bit halves, x low.
inline constexpr UINT kLeftButtonPressedMessage = WM_APP + 2;

class WinMouseHook final : public MouseHook {
public:
    explicit WinMouseHook(HWND panel) : panel_(panel) {}
    ~WinMouseHook() override { remove(); }
    WinMouseHook(const WinMouseHook&) = delete;
    WinMouseHook& operator=(const WinMouseHook&) = delete;

    bool install() override;
    void remove() override;
    std::uint32_t lastEventTime() override;

private:
    static DWORD WINAPI hookThread(void* self);

    HWND panel_;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    bool installed_ = false;
};

}  // namespace quorvane::win32
