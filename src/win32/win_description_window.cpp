#include "win32/win_description_window.h"

#include <string>
#include <utility>

#include "shell/description_window.h"
#include "win32/ui_font.h"
#include "win32/win_text.h"
#include "win32/window_class.h"

namespace quorvane::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"QuorvaneDescriptionWindow";

}  // namespace

WinDescriptionWindow::WinDescriptionWindow(HINSTANCE instance, HWND owner, HFONT font)
    : instance_(instance), owner_(owner), font_(font) {
    if (font_ == nullptr) {
        ownFont_ = createMessageFont();
        font_ = ownFont_;
    }
}

WinDescriptionWindow::~WinDescriptionWindow() {
    // Destroyed without WM_CLOSE: the remembered open state stays as it is.
    if (window_ != nullptr) DestroyWindow(window_);
    if (ownFont_ != nullptr) DeleteObject(ownFont_);
}

void WinDescriptionWindow::load(int width, int height) {
    if (window_ != nullptr ||
        !registerWindowClass(instance_, kWindowClass, &ownedWindowProc<WinDescriptionWindow>,
                             LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return;
    const std::wstring caption = toUtf16(shell::kDescriptionWindowCaption);
    // Not a child: with a parent handle and no WS_CHILD, `owner_` owns it, so
    // it stays above the panel, is hidden with it and is destroyed with it.
    CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, caption.c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, 0, 0, width,
                    height, owner_, nullptr, instance_, this);
}

void WinDescriptionWindow::moveTo(Point topLeft) {
    if (window_ == nullptr) return;
    SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinDescriptionWindow::show() {
    if (window_ != nullptr) ShowWindow(window_, SW_SHOW);
}

void WinDescriptionWindow::setText(const std::string& utf8) {
    if (textBox_ == nullptr) return;
    SetWindowTextW(textBox_, toUtf16(utf8).c_str());
}

LRESULT WinDescriptionWindow::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            window_ = window;
            RECT client{};
            GetClientRect(window, &client);
            // No ES_AUTOHSCROLL: long lines wrap at the window's width.
            textBox_ = CreateWindowExW(
                WS_EX_CLIENTEDGE, L"EDIT", L"",
                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                client.right, client.bottom, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDescriptionTextBoxId)),
                instance_, nullptr);
            if (textBox_ == nullptr) return -1;
            // 0 lifts the default limit of 30,000 characters to the most the control takes.
            SendMessageW(textBox_, EM_SETLIMITTEXT, 0, 0);
            SendMessageW(textBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            return 0;
        }
        case WM_SIZE:
            if (textBox_ != nullptr) MoveWindow(textBox_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (textBox_ != nullptr) SetFocus(textBox_);
            return 0;
        case WM_CLOSE:
            if (closing_) closing_();
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            textBox_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvane::win32
