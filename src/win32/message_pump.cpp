#include "win32/message_pump.h"

#include <string>

#include "shell/menu_layout.h"
#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

std::string classOf(HWND window) {
    wchar_t name[257] = {};
    const int length = GetClassNameW(window, name, 257);
    return length > 0 ? toUtf8(std::wstring_view(name, static_cast<size_t>(length))) : std::string();
}

}  // namespace

bool MessagePump::acceleratorsAct(const MSG& message) const {
    // Only key presses can become accelerators; the class is asked for those alone.
    if (accelerators_ == nullptr || message.message != WM_KEYDOWN) return false;
    const bool forPanel = message.hwnd == acceleratorTarget_ || IsChild(acceleratorTarget_, message.hwnd);
    return shell::acceleratorsAct(forPanel, classOf(message.hwnd));
}

void MessagePump::dispatch(MSG& message) {
    if (acceleratorsAct(message) && TranslateAcceleratorW(acceleratorTarget_, accelerators_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool MessagePump::drain() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatch(message);
    }
    return true;
}

int MessagePump::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

}  // namespace quorvane::win32
