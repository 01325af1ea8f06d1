#pragma once
// The one way messages are taken from the queue, shared by the main loop and
// the waits that keep dispatching, so the panel's accelerators work in both.
#include <windows.h>

namespace quorvane::win32 {

class MessagePump {
public:
    void setAccelerators(HWND target, HACCEL table) {
        acceleratorTarget_ = target;
        accelerators_ = table;
    }
    // Dispatches what is waiting. False once WM_QUIT came; it is posted again
    // so the outer loop sees it too.
    bool drain();
    // Until WM_QUIT; returns its exit code.
    int run();

private:
    bool acceleratorsAct(const MSG& message) const;
    void dispatch(MSG& message);

    HWND acceleratorTarget_ = nullptr;
    HACCEL accelerators_ = nullptr;
};

}  // namespace quorvane::win32
