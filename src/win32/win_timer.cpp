#include "win32/win_timer.h"

#include "win32/main_panel.h"

namespace quorvane::win32 {

UINT_PTR timerIdOf(shell::PanelTimer timer) {
    switch (timer) {
        case shell::PanelTimer::Tracking:
            return kTrackingTimerId;
        case shell::PanelTimer::Send:
            return kSendTimerId;
        case shell::PanelTimer::ClickCheck:
            return kClickTimerId;
        case shell::PanelTimer::Shrink:
            return kShrinkTimerId;
    }
    return 0;
}

std::optional<shell::PanelTimer> timerFromId(UINT_PTR id) {
    for (const shell::TimerDesign& design : shell::kPanelTimers) {
        if (timerIdOf(design.timer) == id) return design.timer;
    }
    return std::nullopt;
}

void WinTimer::setPeriod(int milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    // SetTimer on a running timer restarts its schedule; the same period keeps it.
    if (milliseconds == period_) return;
    period_ = milliseconds;
    if (period_ > 0) {
        SetTimer(panel_.hwnd(), id_, static_cast<UINT>(period_), nullptr);
    } else {
        KillTimer(panel_.hwnd(), id_);
    }
}

}  // namespace quorvane::win32
