#pragma once
// The hint popup: a layered top-level window that is never activated and has
// no taskbar button, holding one canvas. Pages are drawn into a back buffer
// and copied onto the canvas's own bitmap, which is what the canvas paints.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/hint_popup_view.h"

namespace quorvane::win32 {

class WinHintPopup final : public HintPopupView {
public:
    explicit WinHintPopup(HINSTANCE instance) : instance_(instance), canvasOwner_{this} {}
    ~WinHintPopup() override { destroy(); }
    WinHintPopup(const WinHintPopup&) = delete;
    WinHintPopup& operator=(const WinHintPopup&) = delete;

    // Where the user's doings on the canvas go.
    void setEvents(HintPopupEvents* events) { events_ = events; }

    // HintPopupView
    void load(const HintPopupLook& look) override;
    void destroy() override;
    bool setAlpha(int alpha) override;
    void moveTo(Point topLeft) override;
    void drawPage(const std::vector<HintPopupText>& texts) override;
    void outline(const std::vector<Rect>& rectangles) override;
    void setPointer(PopupPointer pointer) override;
    void beginDrag() override;

    // Messages of the popup and of its canvas, through ownedWindowProc.
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCanvasMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Canvas {
        WinHintPopup* popup;
        LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            return popup->onCanvasMessage(window, message, wParam, lParam);
        }
    };
    // A bitmap the size of the canvas's client area, selected into a memory DC.
    struct Surface {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ previous = nullptr;
    };
    bool makeSurface(Surface& surface, HDC like);
    static void freeSurface(Surface& surface);
    // Puts the canvas's bitmap on the screen now, not at the next WM_PAINT:
    // the page must be there when the key that drew it reaches the editor.
    void showCanvasNow();

    HINSTANCE instance_;
    Canvas canvasOwner_;
    HintPopupEvents* events_ = nullptr;
    HintPopupLook look_;
    // Hidden for good: it only keeps the popup out of the taskbar.
    HWND owner_ = nullptr;
    HWND popup_ = nullptr;
    HWND canvas_ = nullptr;
    SIZE canvasSize_{};
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    HPEN pen_ = nullptr;
    Surface back_;
    Surface shown_;
    HCURSOR cursor_ = nullptr;
};

}  // namespace quorvane::win32
