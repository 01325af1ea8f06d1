#include "harness/wait.h"

#include <windows.h>

namespace quorvane::e2e {

namespace {
constexpr DWORD kPollMilliseconds = 15;
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        pumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // Wakes early for our own messages; otherwise polls the other process.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMilliseconds, QS_ALLINPUT);
    }
}

}  // namespace quorvane::e2e
