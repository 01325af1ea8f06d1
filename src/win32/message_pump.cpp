#include "win32/message_pump.h"

namespace quorvane::win32 {

void MessagePump::dispatch(MSG& message) {
    // The accelerators belong to the panel but act wherever the key goes in
    // this thread, as a form's shortcuts do.
    if (accelerators_ != nullptr && IsWindow(acceleratorTarget_) &&
        TranslateAcceleratorW(acceleratorTarget_, accelerators_, &message)) {
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
