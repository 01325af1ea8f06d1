#include "harness/steady_pointer.h"

namespace quorvane::e2e {

namespace {

LRESULT CALLBACK passOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Start {
    HANDLE ready;
    bool installed = false;
};

// The hook is called on the thread that installed it, which must keep
// taking messages: the test's own thread sleeps inside a click.
DWORD WINAPI hookThread(void* parameter) {
    auto& start = *static_cast<Start*>(parameter);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // a queue before anyone posts to it
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, passOn, GetModuleHandleW(nullptr), 0);
    start.installed = hook != nullptr;
    SetEvent(start.ready);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    return 0;
}

}  // namespace

SteadyPointer::SteadyPointer() {
    Start start{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    thread_ = CreateThread(nullptr, 0, hookThread, &start, 0, &threadId_);
    if (thread_ != nullptr) WaitForSingleObject(start.ready, INFINITE);
    CloseHandle(start.ready);
    installed_ = start.installed;
}

SteadyPointer::~SteadyPointer() {
    if (thread_ == nullptr) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
}

}  // namespace quorvane::e2e
