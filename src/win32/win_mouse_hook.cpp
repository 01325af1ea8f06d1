#include "win32/win_mouse_hook.h"

#include <atomic>

namespace quorvane::win32 {

namespace {

// A low-level hook procedure gets no context of its own; one hook per process.
std::atomic<HWND> pressTarget{nullptr};
// Written on the hook's thread, read on the panel's.
std::atomic<DWORD> lastEvent{0};

LRESULT CALLBACK onMouse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) lastEvent.store(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->time);
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN) {
        const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const LPARAM point = MAKELPARAM(static_cast<WORD>(event.pt.x), static_cast<WORD>(event.pt.y));
        PostMessageW(pressTarget.load(), kLeftButtonPressedMessage, event.time, point);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DWORD WINAPI WinMouseHook::hookThread(void* parameter) {
    auto* self = static_cast<WinMouseHook*>(parameter);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // a queue before anyone posts WM_QUIT to it
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, onMouse, GetModuleHandleW(nullptr), 0);
    self->installed_ = hook != nullptr;
    SetEvent(self->ready_);
    if (hook == nullptr) return 1;
    // The system calls the hook from inside this thread's message retrieval.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    UnhookWindowsHookEx(hook);
    return 0;
}

bool WinMouseHook::install() {
    if (thread_ != nullptr) return installed_;
    pressTarget.store(panel_);
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, hookThread, this, 0, &threadId_);
    if (thread_ != nullptr) WaitForSingleObject(ready_, INFINITE);
    CloseHandle(ready_);
    ready_ = nullptr;
    if (!installed_) remove();
    return installed_;
}

std::uint32_t WinMouseHook::lastEventTime() {
    return lastEvent.load();
}

void WinMouseHook::remove() {
    if (thread_ == nullptr) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    installed_ = false;
}

}  // namespace quorvane::win32
