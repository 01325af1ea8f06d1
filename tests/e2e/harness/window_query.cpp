#include "harness/window_query.h"

#include <utility>

#include "harness/text.h"

namespace quorvane::e2e {

namespace {

// Another program's window may be busy: never block on it for long.
constexpr UINT kSendTimeoutMilliseconds = 2000;

bool matches(HWND window, const WindowMatch& match) {
    if (match.processId && windowProcess(window) != match.processId) return false;
    if (match.title && windowText(window) != *match.title) return false;
    if (match.className || match.classContains) {
        const std::string name = className(window);
        if (match.className && name != *match.className) return false;
        if (match.classContains && name.find(*match.classContains) == std::string::npos) return false;
    }
    return true;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ScreenRect& rect) {
    return out << "(" << rect.left << ", " << rect.top << ") " << rect.width << "x" << rect.height;
}

std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds,
                             &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds, &copied))
        return {};
    text.resize(copied);
    return narrow(text);
}

std::string className(HWND window) {
    wchar_t name[260] = {};
    const int length = GetClassNameW(window, name, 260);
    return narrow(std::wstring_view(name, length > 0 ? static_cast<size_t>(length) : 0));
}

ScreenRect windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

DWORD windowProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::vector<HWND> topLevelWindows(const WindowMatch& match) {
    struct Search {
        const WindowMatch& match;
        std::vector<HWND> found;
    } search{match, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (IsWindowVisible(window) && matches(window, s.match)) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForTopLevel(const WindowMatch& match, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            const auto windows = topLevelWindows(match);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

bool waitForGone(HWND window, std::chrono::milliseconds timeout) {
    return waitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

std::vector<HWND> descendantsOfClass(HWND parent, std::string_view windowClass) {
    struct Search {
        std::string_view windowClass;
        std::vector<HWND> found;
    } search{windowClass, {}};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (className(window) == s.windowClass) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findChild(HWND parent, std::string_view windowClass, std::string_view text) {
    for (HWND child : descendantsOfClass(parent, windowClass))
        if (windowText(child) == text) return child;
    return nullptr;
}

MessageBoxView readMessageBox(HWND box) {
    MessageBoxView view;
    view.title = windowText(box);
    for (HWND label : descendantsOfClass(box, "Static")) {
        const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            // An icon slot is there even without an icon; it counts when it holds one.
            if (IsWindowVisible(label) && SendMessageW(label, STM_GETICON, 0, 0) != 0) view.hasIcon = true;
            continue;
        }
        std::string text = windowText(label);
        if (!text.empty() && view.text.empty()) view.text = std::move(text);
    }
    for (HWND button : descendantsOfClass(box, "Button"))
        if (IsWindowVisible(button)) view.buttons.push_back(windowText(button));
    return view;
}

bool bringToFront(HWND window, std::chrono::milliseconds timeout) {
    // Wine lets any process set the foreground on its virtual desktop.
    SetForegroundWindow(window);
    const bool focused = waitUntil(
        [window] {
            if (GetForegroundWindow() != window) {
                SetForegroundWindow(window);
                return false;
            }
            // The window's own thread activates it and moves the focus there a
            // moment after the foreground changed.
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)) return false;
            return thread.hwndFocus == window || IsChild(window, thread.hwndFocus);
        },
        timeout);
    // A sent message is answered only once everything the window's thread
    // was sent before it has been handled.
    DWORD_PTR ignored = 0;
    return focused && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                          static_cast<UINT>(timeout.count()), &ignored) != 0;
}

HWND panelInfoBox(HWND panel) {
    for (const char* name : {"RichEdit50W", "RICHEDIT50W", "RichEdit20W"})
        if (const auto boxes = descendantsOfClass(panel, name); !boxes.empty()) return boxes.front();
    return nullptr;
}

}  // namespace quorvane::e2e
