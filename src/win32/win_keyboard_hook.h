#pragma once
// The keyboard hook runs on the panel's thread: the system calls it while
// that thread takes its messages, and waits for the core's verdict on each
// key before the key goes on.
#include <windows.h>

#include <functional>

#include "platform/keyboard_hook.h"

namespace quorvane::win32 {

class WinKeyboardHook final : public KeyboardHook {
public:
    using Handler = std::function<KeyVerdict(const KeyEvent&)>;

    WinKeyboardHook() = default;
    ~WinKeyboardHook() override { remove(); }
    WinKeyboardHook(const WinKeyboardHook&) = delete;
    WinKeyboardHook& operator=(const WinKeyboardHook&) = delete;

    // Asked about every key event while the hook is installed.
    void setHandler(Handler handler) { handler_ = std::move(handler); }

    bool install() override;
    void remove() override;
    std::uint32_t lastInputTime() override;

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HHOOK hook_ = nullptr;
};

}  // namespace quorvane::win32
