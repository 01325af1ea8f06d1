#pragma once
// The composition root: owns the core objects and their Win32 counterparts,
// and connects menu commands, timer ticks and the start-up/shut-down seams
// to the core through small tables.
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "shell/lifecycle.h"
#include "shell/menu_layout.h"
#include "shell/panel_layout.h"
#include "win32/main_panel.h"
#include "win32/message_pump.h"
#include "win32/win_clock.h"
#include "win32/win_messages.h"
#include "win32/win_panel_view.h"
#include "win32/win_text_codec.h"
#include "win32/win_timer.h"

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
    void onDestroying() override;

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

    // What each menu item and each timer tick does; an item or timer without
    // an entry is inert.
    std::map<shell::MenuCommand, Handler> menuHandlers_;
    std::array<Handler, shell::kPanelTimers.size()> timerHandlers_;
};

}  // namespace quorvane::win32
