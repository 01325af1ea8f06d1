#pragma once
// MainPanel as designed: its caption and outer rectangle, the places of its
// three stacked controls, its timers, and the layout rule for a resize.
#include <array>
#include <string_view>

#include "platform/types.h"

namespace quorvane::shell {

inline constexpr char kPanelCaption[] = "Quorvane";
// Outer rectangle in screen pixels; the settings replace it at start-up.
inline constexpr Rect kPanelDesign{50, 50, 243, 560};

// Client-area places of 树型框1, 分隔条1 and 编辑框_信息, top to bottom.
struct ControlPlaces {
    Rect tree;
    Rect splitter;
    Rect info;
    friend bool operator==(const ControlPlaces&, const ControlPlaces&) = default;
};

inline constexpr ControlPlaces kDesignedPlaces{
    {0, 1, 240, 400},
    {0, 404, 240, 4},
    {0, 410, 232, 94},
};

enum class PanelTimer { Tracking, Send, ClickCheck, Shrink };

struct TimerDesign {
    PanelTimer timer;
    std::string_view name;
    int period;  // milliseconds; 0: stopped at creation
};

inline constexpr std::array<TimerDesign, 4> kPanelTimers{{
    {PanelTimer::Tracking, "时钟1", 30},
    {PanelTimer::Send, "时钟_发送", 0},
    {PanelTimer::ClickCheck, "时钟_双击判断", 0},
    {PanelTimer::Shrink, "时钟_收缩", 50},
}};

// The places after the client area became `clientWidth` x `clientHeight`:
// every control spans the width, the info box keeps its height, the tree
// takes what is left. Sizes never go below 0, so a panel shrunk to a strip
// or minimized still gets a valid layout and gets its old one back when it
// grows again.
ControlPlaces layoutForClientSize(const ControlPlaces& current, int clientWidth, int clientHeight);

}  // namespace quorvane::shell
