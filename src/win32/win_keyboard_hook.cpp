#include "win32/win_keyboard_hook.h"

#include <optional>

#include "win32/own_input.h"

namespace quorvane::win32 {

namespace {

// A low-level hook procedure gets no context of its own; one hook per process.
WinKeyboardHook* installedHook = nullptr;

// The core's key event for a low-level hook call; nullopt for a message
// that is no key event.
std::optional<KeyEvent> keyEventOf(WPARAM message, const KBDLLHOOKSTRUCT& event) {
    KeyKind kind = KeyKind::Down;
    switch (message) {
        case WM_KEYDOWN:
            kind = KeyKind::Down;
            break;
        case WM_KEYUP:
            kind = KeyKind::Up;
            break;
        case WM_SYSKEYDOWN:
            kind = KeyKind::SystemDown;
            break;
        case WM_SYSKEYUP:
            kind = KeyKind::SystemUp;
            break;
        default:
            return std::nullopt;
    }
    return KeyEvent{static_cast<int>(event.vkCode), kind, event.dwExtraInfo == kOwnInputMark};
}

}  // namespace

LRESULT CALLBACK WinKeyboardHook::hookProc(int code, WPARAM wParam, LPARAM lParam) {
    // A negative code must go on to the next hook untouched.
    if (code == HC_ACTION && installedHook != nullptr && installedHook->handler_) {
        const std::optional<KeyEvent> event =
            keyEventOf(wParam, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
        if (event && installedHook->handler_(*event) == KeyVerdict::Swallow) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool WinKeyboardHook::install() {
    if (hook_ != nullptr) return true;
    installedHook = this;
    hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, hookProc, GetModuleHandleW(nullptr), 0);
    return hook_ != nullptr;
}

void WinKeyboardHook::remove() {
    // A hook the system has dropped is gone already; unhooking it only fails.
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (installedHook == this) installedHook = nullptr;
}

std::uint32_t WinKeyboardHook::lastInputTime() {
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    GetLastInputInfo(&info);
    return info.dwTime;
}

}  // namespace quorvane::win32
