#include "win32/win_panel_view.h"

#include <windows.h>

#include "win32/main_panel.h"
#include "win32/win_dpi.h"

namespace quorvane::win32 {
namespace {

// What the normal frame has and the frameless (shrunk) panel lacks.
constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME;

}  // namespace

Rect WinPanelView::bounds() {
    RECT r{};
    GetWindowRect(panel_.hwnd(), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void WinPanelView::setBounds(const Rect& b) {
    SetWindowPos(panel_.hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WinPanelView::isMinimized() {
    return IsIconic(panel_.hwnd()) != FALSE;
}

bool WinPanelView::isMaximized() {
    return IsZoomed(panel_.hwnd()) != FALSE;
}

bool WinPanelView::hasNormalFrame() {
    return (GetWindowLongPtrW(panel_.hwnd(), GWL_STYLE) & kFrameStyles) == kFrameStyles;
}

void WinPanelView::setNormalFrame(bool normal) {
    const HWND window = panel_.hwnd();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR wanted = normal ? (style | kFrameStyles) : (style & ~kFrameStyles);
    if (wanted == style) return;
    SetWindowLongPtrW(window, GWL_STYLE, wanted);
    // A style change of the frame only shows once the frame is recalculated.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WinPanelView::isTopmost() {
    return (GetWindowLongPtrW(panel_.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void WinPanelView::setTopmost(bool topmost) {
    SetWindowPos(panel_.hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool WinPanelView::isVisible() {
    return IsWindowVisible(panel_.hwnd()) != FALSE;
}

void WinPanelView::show() {
    ShowWindow(panel_.hwnd(), SW_SHOW);
}

void WinPanelView::restore() {
    ShowWindow(panel_.hwnd(), SW_RESTORE);
}

void WinPanelView::close() {
    // Posted: the shut-down runs from the message loop, not inside the menu command that asked for it.
    PostMessageW(panel_.hwnd(), WM_CLOSE, 0, 0);
}

int WinPanelView::dpi() {
    return static_cast<int>(windowDpi(panel_.hwnd()));
}

void WinPanelView::bringToFront() {
    SetForegroundWindow(panel_.hwnd());
}

bool WinPanelView::menuChecked(int commandId) {
    const UINT state = GetMenuState(panel_.menuBar(), static_cast<UINT>(commandId), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void WinPanelView::setMenuChecked(int commandId, bool checked) {
    CheckMenuItem(panel_.menuBar(), static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void WinPanelView::placeControls(const ControlPlaces& places) {
    panel_.placeControls(places);
}

void WinPanelView::popUpCommandMenu(Point screen) {
    panel_.popUpCommandMenu(screen);
}

void WinPanelView::watchPointer() {
    panel_.watchPointer();
}

void WinPanelView::addTrayIcon() {
    panel_.addTrayIcon();
}

void WinPanelView::popUpTrayMenu() {
    panel_.popUpTrayMenu();
}

}  // namespace quorvane::win32
