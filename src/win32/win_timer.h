#pragma once
// The panel's timers: window timers of MainPanel, ticking as WM_TIMER.
#include <windows.h>

#include <optional>

#include "platform/timer.h"
#include "shell/panel_layout.h"

namespace quorvane::win32 {

class MainPanel;

// WM_TIMER ids, one per timer of the panel.
inline constexpr UINT_PTR kTrackingTimerId = 1;
inline constexpr UINT_PTR kSendTimerId = 2;
inline constexpr UINT_PTR kClickTimerId = 3;
inline constexpr UINT_PTR kShrinkTimerId = 4;

UINT_PTR timerIdOf(shell::PanelTimer timer);
std::optional<shell::PanelTimer> timerFromId(UINT_PTR id);

class WinTimer final : public Timer {
public:
    WinTimer(const MainPanel& panel, shell::PanelTimer timer) : panel_(panel), id_(timerIdOf(timer)) {}
    void setPeriod(int milliseconds) override;
    int period() const override { return period_; }

private:
    const MainPanel& panel_;
    UINT_PTR id_;
    int period_ = 0;
};

}  // namespace quorvane::win32
