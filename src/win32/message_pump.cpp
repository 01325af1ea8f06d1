#include "win32/message_pump.h"

namespace quorvane::win32 {

void MessagePump::dispatch(MSG& message) {
    // The accelerators are the panel's shortcuts: they act on keys for the
    // panel and its controls, not in the description window's own text box.
    const bool forPanel = message.hwnd == acceleratorTarget_ || IsChild(acceleratorTarget_, message.hwnd);
    if (accelerators_ != nullptr && forPanel && TranslateAcceleratorW(acceleratorTarget_, accelerators_, &message)) {
        return;
    }
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
