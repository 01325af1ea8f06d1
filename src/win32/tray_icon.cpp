#include "win32/tray_icon.h"

#include <shellapi.h>

#include <string_view>

namespace quorvane::win32 {
namespace {

constexpr UINT kTrayIconId = 1;

}  // namespace

std::optional<shell::TrayEvent> trayEventOf(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            return shell::TrayEvent::LeftButtonUp;
        case WM_LBUTTONDBLCLK:
            return shell::TrayEvent::DoubleClick;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
            return shell::TrayEvent::RightButton;
        default:
            return std::nullopt;
    }
}

NOTIFYICONDATAW TrayIcon::data() const {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner_;
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallbackMessage;
    icon.hIcon = icon_;
    constexpr std::wstring_view tip = L"Quorvane";
    tip.copy(icon.szTip, tip.size());  // the rest stays zero
    return icon;
}

void TrayIcon::add(HWND owner, HICON icon) {
    owner_ = owner;
    icon_ = icon;
    NOTIFYICONDATAW icondata = data();
    added_ = Shell_NotifyIconW(NIM_ADD, &icondata) != FALSE;
}

void TrayIcon::addAgain() {
    if (owner_ == nullptr) return;
    NOTIFYICONDATAW icondata = data();
    added_ = Shell_NotifyIconW(NIM_ADD, &icondata) != FALSE;
}

void TrayIcon::remove() {
    if (!added_) return;
    NOTIFYICONDATAW icondata = data();
    Shell_NotifyIconW(NIM_DELETE, &icondata);
    added_ = false;
}

}  // namespace quorvane::win32
