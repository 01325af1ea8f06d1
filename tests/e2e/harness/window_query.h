#pragma once
// Finding and reading other programs' windows. Texts are UTF-8.
#include <windows.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "harness/wait.h"

namespace quorvane::e2e {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
    POINT center() const { return {left + width / 2, top + height / 2}; }
};
std::ostream& operator<<(std::ostream& out, const ScreenRect& rect);

// What a wanted top-level window looks like; empty fields match anything.
struct WindowMatch {
    DWORD processId = 0;
    std::optional<std::string> title;
    std::optional<std::string> className;
    std::optional<std::string> classContains;
};

std::string windowText(HWND window);
std::string className(HWND window);
ScreenRect windowRect(HWND window);
DWORD windowProcess(HWND window);

// Visible top-level windows, front to back.
std::vector<HWND> topLevelWindows(const WindowMatch& match = {});
HWND waitForTopLevel(const WindowMatch& match, std::chrono::milliseconds timeout = kDefaultTimeout);
bool waitForGone(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);

// Every window below `parent`, at any depth, whose class is `windowClass`.
std::vector<HWND> descendantsOfClass(HWND parent, std::string_view windowClass);

// The first window below `parent` of that class and exactly that text.
HWND findChild(HWND parent, std::string_view windowClass, std::string_view text);

// The panel's info box: its one rich edit control, whichever version; nullptr when none.
HWND panelInfoBox(HWND panel);

// A standard message box (class "#32770") as the user sees it.
struct MessageBoxView {
    std::string title;
    std::string text;                  // the static control that holds text
    std::vector<std::string> buttons;  // button captions, in window order
    bool hasIcon = false;
};
MessageBoxView readMessageBox(HWND box);

// Makes `window` the foreground window and waits until it is, until its
// thread has given it the keyboard focus, and until that thread has handled
// all the activation sent it: under Wine, keys typed before then can be lost.
bool bringToFront(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);

}  // namespace quorvane::e2e
