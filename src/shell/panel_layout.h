#pragma once
// The panel's caption and first outer rectangle, the places of its three
// stacked controls, its timers, and the layout rule for a resize.
#include <array>

#include "platform/dpi_scale.h"
#include "platform/panel_view.h"
#include "platform/types.h"

namespace quorvane::shell {

inline constexpr char kPanelCaption[] = "Quorvane";
// Outer rectangle in screen pixels; the settings replace it at start-up.
inline constexpr Rect kPanelDesign{50, 50, 243, 560};

inline constexpr ControlPlaces kDesignedPlaces{
    {0, 1, 240, 400},
    {0, 404, 240, 4},
    {0, 410, 232, 94},
};

enum class PanelTimer { Tracking, Send, ClickCheck, Shrink };

struct TimerDesign {
    PanelTimer timer;
    int period;  // milliseconds once the panel runs; 0: stopped until a feature starts it
};

// The tracking tick takes the presses into editors; the shrink tick watches
// for the pointer leaving a docked panel. Both run for the panel's life.
inline constexpr std::array<TimerDesign, 4> kPanelTimers{{
    {PanelTimer::Tracking, 30},
    {PanelTimer::Send, 0},
    {PanelTimer::ClickCheck, 0},
    {PanelTimer::Shrink, 50},
}};

// The places after the client area became `clientWidth` x `clientHeight`:
// every control spans the width, the info box keeps its height, the tree
// takes what is left. Sizes never go below 0, so a panel shrunk to a strip
// or minimized still gets a valid layout and gets its old one back when it
// grows again.
ControlPlaces layoutForClientSize(const ControlPlaces& current, int clientWidth, int clientHeight);

// The places after the splitter was dragged to `splitterTop`: the info box
// takes all the height below the bar, the tree what is above it. The bar
// stays within the client area, so neither control's height goes below 0.
ControlPlaces layoutForSplitterAt(const ControlPlaces& current, int clientHeight, int splitterTop);

// The places of a panel that moved from a monitor of scale `from` to one of
// scale `to`: the heights that a resize keeps (the splitter's, the info
// box's) follow the scale; the next layout fits the rest.
ControlPlaces rescaled(const ControlPlaces& places, const DpiScale& from, const DpiScale& to);

// Where a message box or dialog of `width` x `height` goes: centred over the
// panel, moved into the work area where that would leave it (the panel may
// sit against a screen edge, or shrunk to a strip there).
Rect centredOver(const Rect& owner, int width, int height, const Rect& workArea);

}  // namespace quorvane::shell
