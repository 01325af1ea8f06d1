#include "win32/win_desktop.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle toHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Focus and caret are per-thread input state: another thread's are only
// visible to us while our input queue is attached to it. Attaching to our
// own thread fails, and is not needed.
class AttachedInput {
public:
    explicit AttachedInput(DWORD otherThread)
        : self_(GetCurrentThreadId()), other_(otherThread) {
        attached_ = other_ != 0 && other_ != self_ && AttachThreadInput(self_, other_, TRUE);
    }
    ~AttachedInput() {
        if (attached_) AttachThreadInput(self_, other_, FALSE);
    }
    AttachedInput(const AttachedInput&) = delete;
    AttachedInput& operator=(const AttachedInput&) = delete;

    // True when the thread's input state is ours to read.
    bool usable() const { return attached_ || other_ == self_; }

private:
    DWORD self_;
    DWORD other_;
    bool attached_ = false;
};

Rect toRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// EnumDisplayMonitors' callback: appends the monitor, or puts it first when it is the primary one.
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
    const Monitor each{toRect(info.rcMonitor), toRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        monitors.insert(monitors.begin(), each);
    else
        monitors.push_back(each);
    return TRUE;
}

DWORD foregroundThread() {
    HWND foreground = GetForegroundWindow();
    return foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
}

}  // namespace

WindowHandle WinDesktop::windowFromPoint(Point screen) {
    return toHandle(WindowFromPoint(POINT{screen.x, screen.y}));
}

std::string WinDesktop::className(WindowHandle window) {
    // 256 is the longest class name RegisterClass accepts.
    wchar_t name[257] = {};
    const int length = GetClassNameW(toHwnd(window), name, 257);
    if (length <= 0) return {};
    return toUtf8(std::wstring_view(name, static_cast<size_t>(length)));
}

WindowHandle WinDesktop::parent(WindowHandle window) { return toHandle(GetParent(toHwnd(window))); }

bool WinDesktop::isWindow(WindowHandle window) { return window != 0 && IsWindow(toHwnd(window)); }

WindowHandle WinDesktop::foregroundWindow() { return toHandle(GetForegroundWindow()); }

bool WinDesktop::setForegroundWindow(WindowHandle window) {
    // A background process is refused the foreground (the window only
    // flashes in the taskbar) unless it shares input with the thread that
    // has it now; attached, the call counts as coming from that thread.
    AttachedInput attached(foregroundThread());
    return SetForegroundWindow(toHwnd(window)) != FALSE;
}

WindowHandle WinDesktop::focusedWindowOfForegroundThread() {
    const DWORD thread = foregroundThread();
    if (thread == 0) return 0;
    AttachedInput attached(thread);
    if (!attached.usable()) return 0;
    return toHandle(GetFocus());
}

bool WinDesktop::caretScreenPosition(Point& screen) {
    const DWORD thread = foregroundThread();
    if (thread == 0) return false;
    AttachedInput attached(thread);
    if (!attached.usable()) return false;
    // The caret position is in the client coordinates of the window that
    // owns it, which is the focused one for an edit control.
    HWND focus = GetFocus();
    POINT caret{};
    if (focus == nullptr || !GetCaretPos(&caret)) return false;
    if (!ClientToScreen(focus, &caret)) return false;
    screen = Point{caret.x, caret.y};
    return true;
}

void WinDesktop::postCharByte(WindowHandle window, std::uint8_t byte) {
    // The A form, so the receiving ANSI window gets the byte unconverted:
    // a double-byte character arrives as its two bytes, lead byte first.
    PostMessageA(toHwnd(window), WM_CHAR, static_cast<WPARAM>(byte), 1);
}

void WinDesktop::sendKey(int virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = 0;  // as keybd_event(vk, 0, ...) would send it
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
}

bool WinDesktop::keyIsDown(int virtualKey) {
    // The high bit; the low "pressed since the last call" bit is shared with
    // every other program that asks, so it means nothing here.
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

Point WinDesktop::cursorPosition() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return Point{cursor.x, cursor.y};
}

std::vector<Monitor> WinDesktop::monitors() {
    std::vector<Monitor> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    if (found.empty()) {
        // No monitor enumerated (a session without a display): the primary screen.
        const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        found.push_back({screen, screen});
    }
    return found;
}

}  // namespace quorvane::win32
