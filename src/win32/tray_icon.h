#pragma once
// The notification-area icon: MainPanel's icon with the tip "Quorvane".
#include <windows.h>

#include <optional>

#include "shell/lifecycle.h"

namespace quorvane::win32 {

// The message the icon's mouse events arrive as; lParam holds the mouse message.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The kind of a mouse message of the icon; nullopt for the ones that make no event.
std::optional<shell::TrayEvent> trayEventOf(UINT mouseMessage);

class TrayIcon {
public:
    void add(HWND owner, HICON icon);
    // After Explorer restarts: its new taskbar has forgotten the icon.
    void addAgain();
    void remove();

private:
    NOTIFYICONDATAW data() const;

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    bool added_ = false;
};

}  // namespace quorvane::win32
