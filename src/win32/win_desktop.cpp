#include "win32/win_desktop.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <imm.h>

#include "win32/own_input.h"
#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

// How long a question to another program's input method may take: asked
// from inside the keyboard hook, where every key waits for the answer.
constexpr UINT kInputMethodAnswerMs = 20;
// Questions of WM_IME_CONTROL (IMC_GETCONVERSIONMODE, IMC_GETOPENSTATUS in
// the Windows SDK; mingw's imm.h lacks them).
constexpr WPARAM kAskConversionMode = 0x0001;
constexpr WPARAM kAskOpenStatus = 0x0005;

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle toHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Sharing another thread's input state lets a call act as that thread (see
// setForegroundWindow). Attaching to our own thread fails, and is not needed.
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

// The foreground thread's focus and caret, read without attaching to it:
// attaching resets that thread's key state, and from inside the keyboard
// hook a Shift held for the key being decided would be lost (a capital
// typed as a small letter).
bool foregroundThreadInfo(GUITHREADINFO& info) {
    info = {};
    info.cbSize = sizeof info;
    const DWORD thread = foregroundThread();
    return thread != 0 && GetGUIThreadInfo(thread, &info);
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

bool WinDesktop::setForegroundWindow(WindowHandle window) {
    // A background process is refused the foreground (the window only
    // flashes in the taskbar) unless it shares input with the thread that
    // has it now; attached, the call counts as coming from that thread.
    AttachedInput attached(foregroundThread());
    return SetForegroundWindow(toHwnd(window)) != FALSE;
}

WindowHandle WinDesktop::focusedWindowOfForegroundThread() {
    GUITHREADINFO info;
    return foregroundThreadInfo(info) ? toHandle(info.hwndFocus) : 0;
}

bool WinDesktop::caretScreenPosition(Point& screen) {
    GUITHREADINFO info;
    if (!foregroundThreadInfo(info) || info.hwndCaret == nullptr) return false;
    // In the client coordinates of the window that owns the caret.
    POINT caret{info.rcCaret.left, info.rcCaret.top};
    if (!ClientToScreen(info.hwndCaret, &caret)) return false;
    screen = Point{caret.x, caret.y};
    return true;
}

Point WinDesktop::clientToScreen(WindowHandle window, Point client) {
    POINT point{client.x, client.y};
    ClientToScreen(toHwnd(window), &point);
    return {point.x, point.y};
}

bool WinDesktop::inputMethodComposes(WindowHandle window) {
    // The default IME window answers for the input context of its thread,
    // across processes. SMTO_BLOCK: no other key's hook call may run inside
    // this wait and overtake the key being decided.
    HWND ime = ImmGetDefaultIMEWnd(toHwnd(window));
    if (ime == nullptr) return false;
    const auto ask = [ime](WPARAM question, DWORD_PTR& answer) {
        return SendMessageTimeoutW(ime, WM_IME_CONTROL, question, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                   kInputMethodAnswerMs, &answer) != 0;
    };
    DWORD_PTR open = 0;
    DWORD_PTR mode = 0;
    return ask(kAskOpenStatus, open) && open != 0 && ask(kAskConversionMode, mode) &&
           (mode & IME_CMODE_NATIVE) != 0;
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
    input.ki.dwExtraInfo = kOwnInputMark;
    SendInput(1, &input, sizeof(INPUT));
}

void WinDesktop::typeCharacter(char32_t character) {
    // A character outside the basic plane would need a surrogate pair; the
    // program only types ASCII this way.
    INPUT input[2]{};
    for (INPUT& each : input) {
        each.type = INPUT_KEYBOARD;
        each.ki.wScan = static_cast<WORD>(character);
        each.ki.dwFlags = KEYEVENTF_UNICODE;
        each.ki.dwExtraInfo = kOwnInputMark;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
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
