#pragma once
// The composition root: creates the panel's window and the Win32 side of
// every platform interface, hands them to the core panel, and forwards the
// window's messages to it.
#include <windows.h>

#include <array>
#include <filesystem>
#include <memory>

#include "shell/panel.h"
#include "win32/main_panel.h"
#include "win32/message_pump.h"
#include "win32/win_clipboard.h"
#include "win32/win_clock.h"
#include "win32/win_description_window.h"
#include "win32/win_desktop.h"
#include "win32/win_file_dialogs.h"
#include "win32/win_form_host.h"
#include "win32/win_hint_popup.h"
#include "win32/win_info_box.h"
#include "win32/win_keyboard_hook.h"
#include "win32/win_messages.h"
#include "win32/win_mouse_hook.h"
#include "win32/win_panel_view.h"
#include "win32/win_starter_hints.h"
#include "win32/win_system_shell.h"
#include "win32/win_text.h"
#include "win32/win_timer.h"
#include "win32/win_tree_control.h"
#include "win32/win_wall_clock.h"

namespace quorvane::win32 {

class App final : private PanelListener {
public:
    // `runDirectory` holds the library and the settings file.
    App(HINSTANCE instance, std::filesystem::path runDirectory);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Start-up, then messages until the panel is gone; the process's exit code.
    int run();

private:
    // PanelListener
    void onCommand(int commandId) override;
    void onTimer(UINT_PTR timerId) override;
    void onLeftButtonPressed(Point screen, DWORD time) override;
    void onActivated() override;
    void onTrayEvent(shell::TrayEvent event) override;
    void onPointerOver() override;
    void onClientResized(int width, int height) override;
    void onMoved() override;
    void onSplitterDragged(int top) override;
    void onDpiChanged(int dpi, const Rect& suggested) override;
    std::optional<LRESULT> onTreeNotify(const NMHDR& header) override;
    bool onClipboardMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;

    // The platform objects that need the panel's windows, and the core.
    struct Parts;
    void createParts();

    HINSTANCE instance_;
    std::filesystem::path runDirectory_;
    WinTextCodec codec_;
    WinMessages messages_;
    MessagePump pump_;
    WinClock clock_{pump_};
    WinDesktop desktop_;
    WinSystemShell system_;
    WinStarterHints starterHints_;
    MainPanel panel_;
    WinPanelView panelView_{panel_};
    std::unique_ptr<Parts> parts_;
};

}  // namespace quorvane::win32
