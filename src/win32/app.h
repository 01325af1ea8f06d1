#pragma once
// The composition root: owns the core objects and their Win32 counterparts,
// and connects menu commands, timer ticks and the start-up/shut-down seams
// to the core through small tables.
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "shell/description_window.h"
#include "shell/lifecycle.h"
#include "shell/menu_layout.h"
#include "shell/panel_layout.h"
#include "win32/main_panel.h"
#include "win32/message_pump.h"
#include "editor_link/editor_link.h"
#include "templates/code_templates.h"
#include "tree/tree_interaction.h"
#include "tree/tree_model.h"
#include "win32/builder_dialogs.h"
#include "win32/win_clipboard.h"
#include "win32/win_clock.h"
#include "win32/win_description_window.h"
#include "win32/win_desktop.h"
#include "win32/win_info_box.h"
#include "win32/win_messages.h"
#include "win32/win_panel_view.h"
#include "win32/win_text_codec.h"
#include "win32/win_timer.h"
#include "win32/win_tree_view.h"

namespace quorvane::win32 {

class App final : private PanelListener {
public:
    explicit App(HINSTANCE instance);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Start-up, then messages until the panel is gone; the process's exit code.
    int run();

private:
    using Handler = std::function<void()>;

    void connectSeams();
    void connectMenuCommands();
    void connectTimers();
    void onMenu(shell::MenuCommand command, Handler handler) { menuHandlers_[command] = std::move(handler); }
    void onTick(shell::PanelTimer which, Handler handler) {
        timerHandlers_[static_cast<size_t>(which)] = std::move(handler);
    }
    WinTimer& timer(shell::PanelTimer which) { return *timers_[static_cast<size_t>(which)]; }

    void onCommand(int commandId) override;
    void onTimer(UINT_PTR timerId) override;
    void onActivated() override;
    void onTrayEvent(shell::TrayEvent event) override;
    void onPointerOver() override;
    void onClientResized(int width, int height) override;
    std::optional<LRESULT> onTreeNotify(const NMHDR& header) override;
    bool onClipboardMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;

    // Everything that needs the panel's windows, made once they exist.
    struct Features;
    void createFeatures();

    HINSTANCE instance_;
    WinTextCodec codec_;
    WinMessages messages_;
    MessagePump pump_;
    WinClock clock_{pump_};
    MainPanel panel_;
    WinPanelView panelView_{panel_};
    std::array<std::unique_ptr<WinTimer>, shell::kPanelTimers.size()> timers_;
    shell::Lifecycle lifecycle_;
    shell::ControlPlaces places_ = shell::kDesignedPlaces;
    WinDesktop desktop_;
    // Filled by start-up before any window mirrors it: a big library loads fastest unobserved.
    tree::TreeModel commandTree_;
    std::unique_ptr<Features> features_;

    // What each menu item and each timer tick does; an item or timer without
    // an entry is inert.
    std::map<shell::MenuCommand, Handler> menuHandlers_;
    std::array<Handler, shell::kPanelTimers.size()> timerHandlers_;
};

}  // namespace quorvane::win32
