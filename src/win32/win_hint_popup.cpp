#include "win32/win_hint_popup.h"

#include <string>

#include "win32/win_text.h"
#include "win32/window_class.h"

namespace quorvane::win32 {

namespace {

constexpr wchar_t kPopupClass[] = L"QuorvaneHintPopup";
constexpr wchar_t kCanvasClass[] = L"QuorvaneHintCanvas";

COLORREF colorOf(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

Point pointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

void WinHintPopup::load(const HintPopupLook& look) {
    if (popup_ != nullptr ||
        !registerWindowClass(instance_, kPopupClass, &ownedWindowProc<WinHintPopup>,
                             LoadCursorW(nullptr, IDC_ARROW), nullptr) ||
        !registerWindowClass(instance_, kCanvasClass, &ownedWindowProc<Canvas>, nullptr, nullptr, CS_DBLCLKS))
        return;
    look_ = look;
    // An owned window never gets a taskbar button (Wine's taskbar ignores
    // WS_EX_TOOLWINDOW). Not the panel: a minimized panel would take the
    // popup with it. Never activated: the editor keeps the keyboard focus.
    owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, kPopupClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance_, this);
    popup_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kPopupClass,
                             L"", WS_POPUP, 0, 0, look.width, look.height, owner_, nullptr, instance_, this);
    if (popup_ == nullptr) {
        destroy();
        return;
    }
    canvas_ =
        CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, kCanvasClass, L"", WS_CHILD | WS_VISIBLE, 0,
                        0, look.width, look.height, popup_, nullptr, instance_, &canvasOwner_);
    RECT client{};
    GetClientRect(canvas_, &client);
    canvasSize_ = {client.right, client.bottom};

    font_ = CreateFontW(-look.fontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        L"SimSun");
    background_ = CreateSolidBrush(colorOf(look.background));
    pen_ = CreatePen(PS_SOLID, 1, colorOf(look.pen));
    HDC screen = GetDC(canvas_);
    const bool surfaces = makeSurface(back_, screen) && makeSurface(shown_, screen);
    ReleaseDC(canvas_, screen);
    if (!surfaces) {
        destroy();
        return;
    }
    // Outlines are drawn hollow: the rows they surround stay readable.
    SelectObject(shown_.dc, pen_);
    SelectObject(shown_.dc, GetStockObject(NULL_BRUSH));
    cursor_ = LoadCursorW(nullptr, IDC_ARROW);

    // A layered window shows nothing until its attributes are set: set to
    // transparent first, it never flashes up.
    SetLayeredWindowAttributes(popup_, 0, 0, LWA_ALPHA);
    ShowWindow(popup_, SW_SHOWNOACTIVATE);
}

bool WinHintPopup::makeSurface(Surface& surface, HDC like) {
    surface.dc = CreateCompatibleDC(like);
    surface.bitmap = CreateCompatibleBitmap(like, canvasSize_.cx, canvasSize_.cy);
    if (surface.dc == nullptr || surface.bitmap == nullptr) return false;
    surface.previous = SelectObject(surface.dc, surface.bitmap);
    SelectObject(surface.dc, font_);
    SetBkMode(surface.dc, TRANSPARENT);
    RECT all{0, 0, canvasSize_.cx, canvasSize_.cy};
    FillRect(surface.dc, &all, background_);
    return true;
}

void WinHintPopup::freeSurface(Surface& surface) {
    if (surface.dc != nullptr) {
        if (surface.previous != nullptr) SelectObject(surface.dc, surface.previous);
        DeleteDC(surface.dc);
    }
    if (surface.bitmap != nullptr) DeleteObject(surface.bitmap);
    surface = {};
}

void WinHintPopup::destroy() {
    HWND owner = owner_;
    popup_ = nullptr;
    canvas_ = nullptr;
    owner_ = nullptr;
    // The popup goes with its owner.
    if (owner != nullptr) DestroyWindow(owner);
    freeSurface(back_);
    freeSurface(shown_);
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(background_), static_cast<HGDIOBJ>(pen_)}) {
        if (object != nullptr) DeleteObject(object);
    }
    font_ = nullptr;
    background_ = nullptr;
    pen_ = nullptr;
}

bool WinHintPopup::setAlpha(int alpha) {
    if (popup_ == nullptr) return false;
    // Transparent, the popup must let clicks through to what lies below it.
    const LONG_PTR style = GetWindowLongPtrW(popup_, GWL_EXSTYLE);
    SetWindowLongPtrW(popup_, GWL_EXSTYLE,
                      alpha == 0 ? (style | WS_EX_TRANSPARENT) : (style & ~WS_EX_TRANSPARENT));
    const bool set = SetLayeredWindowAttributes(popup_, 0, static_cast<BYTE>(alpha), LWA_ALPHA) != 0;
    // Above the editor, also one that made itself topmost since.
    if (alpha != 0) SetWindowPos(popup_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return set;
}

void WinHintPopup::moveTo(Point topLeft) {
    if (popup_ == nullptr) return;
    SetWindowPos(popup_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinHintPopup::drawPage(const std::vector<HintPopupText>& texts) {
    if (popup_ == nullptr) return;
    RECT all{0, 0, canvasSize_.cx, canvasSize_.cy};
    FillRect(back_.dc, &all, background_);
    for (const HintPopupText& text : texts) {
        SetTextColor(back_.dc, colorOf(text.colour));
        const std::wstring wide = toUtf16(text.text);
        TextOutW(back_.dc, text.at.x, text.at.y, wide.c_str(), static_cast<int>(wide.size()));
    }
    BitBlt(shown_.dc, 0, 0, canvasSize_.cx, canvasSize_.cy, back_.dc, 0, 0, SRCCOPY);
    showCanvasNow();
}

void WinHintPopup::outline(const std::vector<Rect>& rectangles) {
    if (popup_ == nullptr) return;
    for (const Rect& r : rectangles) Rectangle(shown_.dc, r.left, r.top, r.left + r.width, r.top + r.height);
    showCanvasNow();
}

void WinHintPopup::showCanvasNow() {
    InvalidateRect(canvas_, nullptr, FALSE);
    UpdateWindow(canvas_);
}

void WinHintPopup::setPointer(PopupPointer pointer) {
    cursor_ = LoadCursorW(nullptr, pointer == PopupPointer::Hand ? IDC_HAND : IDC_ARROW);
    SetCursor(cursor_);
}

void WinHintPopup::beginDrag() {
    if (popup_ == nullptr) return;
    // The system's own move loop, as for a press on a title bar.
    ReleaseCapture();
    POINT cursor{};
    GetCursorPos(&cursor);
    SendMessageW(popup_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

LRESULT WinHintPopup::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT WinHintPopup::onCanvasMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            if (shown_.dc != nullptr) {
                const RECT& r = paint.rcPaint;
                BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, shown_.dc, r.left, r.top,
                       SRCCOPY);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(cursor_);
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (events_ != nullptr) events_->pointerMoved(pointOf(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            if (events_ != nullptr) events_->leftButtonPressed(pointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            if (events_ != nullptr) events_->doubleClicked();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvane::win32
