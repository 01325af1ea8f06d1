#pragma once
// The description window: a modeless tool window owned by the panel, holding
// one multi-line text box that always fills its client area.
#include <functional>
#include <string>
#include <utility>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/description_window_view.h"

namespace quorvane::win32 {

inline constexpr int kDescriptionTextBoxId = 1001;

class WinDescriptionWindow final : public DescriptionWindowView {
public:
    // `owner` is the panel. `font` is the panel's UI font, kept by the caller
    // for as long as this object lives; without one the system's message font
    // is used.
    WinDescriptionWindow(HINSTANCE instance, HWND owner, HFONT font);
    ~WinDescriptionWindow() override;
    WinDescriptionWindow(const WinDescriptionWindow&) = delete;
    WinDescriptionWindow& operator=(const WinDescriptionWindow&) = delete;

    // Called when the user closes the window, before it is destroyed. Not
    // called when it goes with its owner.
    void setClosingHandler(std::function<void()> closing) { closing_ = std::move(closing); }

    // DescriptionWindowView
    bool isLoaded() override { return window_ != nullptr; }
    void load(int width, int height) override;
    void moveTo(Point topLeft) override;
    void show() override;
    void setText(const std::string& utf8) override;

    // Every message of the window, through ownedWindowProc.
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:

    HINSTANCE instance_;
    HWND owner_;
    HFONT font_;
    HFONT ownFont_ = nullptr;
    HWND window_ = nullptr;
    HWND textBox_ = nullptr;
    std::function<void()> closing_;
};

}  // namespace quorvane::win32
