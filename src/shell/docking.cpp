#include "shell/docking.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/monitors.h"
#include "settings/settings_keys.h"

namespace quorvane::shell {
namespace {

using Wide = std::int64_t;

using monitors_detail::bottomOf;
using monitors_detail::rightOf;

bool spansOverlap(Wide aFrom, Wide aTo, Wide bFrom, Wide bTo) {
    return aFrom < bTo && bFrom < aTo;
}

// Sets the flag for the life of the object: the panel's own writes are running.
class OwnChange {
public:
    explicit OwnChange(bool& flag) : flag_(flag) { flag_ = true; }
    ~OwnChange() { flag_ = false; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

private:
    bool& flag_;
};

}  // namespace

DockEdges dockEdgesFor(const std::vector<Monitor>& monitors, const Rect& window) {
    if (monitors.empty()) return {};
    const Monitor* holder = &monitorHolding(monitors, window);
    DockEdges edges{holder->bounds};
    const Rect& m = holder->bounds;
    for (const Monitor& each : monitors) {
        if (&each == holder) continue;
        const Rect& o = each.bounds;
        const bool besideVertically = spansOverlap(m.top, bottomOf(m), o.top, bottomOf(o));
        const bool besideHorizontally = spansOverlap(m.left, rightOf(m), o.left, rightOf(o));
        if (besideVertically && o.left == rightOf(m)) edges.rightShared = true;
        if (besideVertically && rightOf(o) == m.left) edges.leftShared = true;
        if (besideHorizontally && bottomOf(o) == m.top) edges.topShared = true;
    }
    return edges;
}

DockMetrics::DockMetrics(const DpiScale& scale, const settings::PanelGeometry& geometry)
    : strip(scale.toPixels(2)),
      reach(scale.toPixels(5)),
      shrunkBelow(scale.toPixels(10)),
      clearOfEdge(scale.toPixels(1)),
      nearEdge(scale.toPixels(3)),
      panelWidth(scale.toPixels(geometry.panelWidth)),
      panelHeight(scale.toPixels(geometry.panelHeight)),
      horizontalStep(scale.toPixels(geometry.shrinkSpeed)),
      verticalStep(scale.toPixels(geometry.shrinkStep)) {}

DockSide dockSide(const Rect& panel, const DockEdges& edges, const DockMetrics& m) {
    if (!edges.rightShared && rightOf(panel) > Wide{edges.right()} - m.reach) return DockSide::Right;
    if (!edges.leftShared && panel.left < Wide{edges.left()} + m.reach) return DockSide::Left;
    if (!edges.topShared && panel.top < Wide{edges.top()} + m.reach) return DockSide::Top;
    return DockSide::None;
}

bool pointerOver(const Rect& panel, Point pointer) {
    return panel.left <= pointer.x && pointer.x <= rightOf(panel) && panel.top <= pointer.y &&
           pointer.y <= bottomOf(panel);
}

bool restoresAfterMove(const Rect& panel, const DockEdges& edges, const DockMetrics& m) {
    if (panel.width >= m.shrunkBelow && panel.height >= m.shrunkBelow) return false;
    const bool clear = panel.left >= Wide{edges.left()} + m.clearOfEdge &&
                       panel.top >= Wide{edges.top()} + m.clearOfEdge &&
                       rightOf(panel) < Wide{edges.right()} - m.nearEdge;
    return clear || panel.top < Wide{edges.top()} + m.nearEdge;
}

RememberedSize sizeToRemember(const Rect& panel, const settings::PanelGeometry& geometry,
                              const DpiScale& scale) {
    RememberedSize size;
    const int width = scale.toDesigned(panel.width);
    const int height = scale.toDesigned(panel.height);
    if (width != geometry.panelWidth && width >= kSmallestRememberedWidth) size.width = width;
    if (height != geometry.panelHeight) size.height = height;
    return size;
}

Docking::Docking(PanelView& panel, Desktop& desktop, Clock& clock, Timer& shrinkTimer,
                 settings::PanelGeometry& geometry, const DpiScale& scale, settings::SettingsFile& settings)
    : panel_(panel),
      desktop_(desktop),
      clock_(clock),
      shrinkTimer_(shrinkTimer),
      geometry_(geometry),
      scale_(scale),
      settings_(settings) {}

DockEdges Docking::edges() {
    return dockEdgesFor(desktop_.monitors(), panel_.bounds());
}

void Docking::onShrinkTick() {
    if (ownChange_) return;
    if (panel_.isMinimized()) {
        shrinkTimer_.setPeriod(0);
        return;
    }
    const Rect bounds = panel_.bounds();
    if (pointerOver(bounds, desktop_.cursorPosition())) {
        // A press that began over the panel (a move or resize of the panel)
        // holds it open until the pointer comes back with the button up.
        pressedInside_ = desktop_.keyIsDown(vk::LeftButton);
        return;
    }
    // A maximized panel fills its monitor: it is not docked at an edge, and
    // the pointer leaves it only for the taskbar.
    if (pressedInside_ || panel_.isMaximized()) return;
    const DockEdges dock = edges();
    const DockMetrics m = metrics();
    const DockSide side = dockSide(bounds, dock, m);
    if (side == DockSide::None) return;

    if (panel_.hasNormalFrame()) placeBeforeShrink_ = Point{bounds.left, bounds.top};
    {
        const OwnChange sliding(ownChange_);
        switch (side) {
            case DockSide::Right:
                shrinkRight(dock, m);
                break;
            case DockSide::Left:
                shrinkAlong(&Rect::left, dock.left(), &Rect::width, m.horizontalStep, m.strip);
                break;
            case DockSide::Top:
                shrinkAlong(&Rect::top, dock.top(), &Rect::height, m.verticalStep, m.strip);
                break;
            case DockSide::None:
                break;
        }
    }
    shrinkTimer_.setPeriod(0);
}

// In every slide a step of 0 or less (a hand-edited shrink speed) would never
// reach the end: the slide then gets there in its final write.
void Docking::shrinkRight(const DockEdges& edges, const DockMetrics& m) {
    panel_.setNormalFrame(false);
    const Wide stripLeft = Wide{edges.right()} - m.strip;
    Wide width = panel_.bounds().width;
    while (m.horizontalStep > 0) {
        Rect step = panel_.bounds();
        if (step.left >= stripLeft) break;
        const Wide left = Wide{step.left} + m.horizontalStep;
        if (left > stripLeft) break;
        width -= m.horizontalStep;
        // Never thinner than the strip until the final write.
        if (width < m.strip) width = m.strip + 1;
        step.left = static_cast<int>(left);
        step.width = static_cast<int>(width);
        write(step);
        wait();
    }
    Rect strip = panel_.bounds();
    strip.left = static_cast<int>(stripLeft);
    strip.width = m.strip;
    write(strip);
}

// The left and top slides: the panel goes to the edge (`place` is left or
// top), then its `size` (width or height) steps down to the strip.
void Docking::shrinkAlong(int Rect::*place, int edge, int Rect::*size, int step, int strip) {
    panel_.setNormalFrame(false);
    Rect bounds = panel_.bounds();
    if (bounds.*place != edge) {
        bounds.*place = edge;
        write(bounds);
    }
    Wide remaining = bounds.*size;
    while (step > 0 && panel_.bounds().*size > strip) {
        remaining -= step;
        if (remaining < strip) break;
        Rect next = panel_.bounds();
        next.*size = static_cast<int>(remaining);
        write(next);
        wait();
    }
    Rect last = panel_.bounds();
    last.*size = strip;
    write(last);
}

void Docking::expandPanel(bool keepTimerStopped) {
    if (ownChange_) return;
    const Rect bounds = panel_.bounds();
    const DockEdges dock = edges();
    const DockMetrics m = metrics();
    {
        const OwnChange sliding(ownChange_);
        if (bounds.left >= Wide{dock.right()} - bounds.width) {
            expandRight(dock, m);
        } else if (bounds.left <= dock.left()) {
            // Snaps a panel pushed past the left edge back to it, unless the
            // edge leads to another monitor: then the panel may straddle it.
            if (!dock.leftShared && bounds.left != dock.left()) {
                Rect snapped = bounds;
                snapped.left = dock.left();
                write(snapped);
            }
            expandAlong(&Rect::width, m.panelWidth, m.horizontalStep, m.strip);
        } else {
            // Not at the top of its monitor: nothing to do, and the timer stays as it is.
            if (bounds.top != dock.top()) return;
            expandAlong(&Rect::height, m.panelHeight, m.verticalStep, m.strip);
        }
    }
    if (shrinkTimer_.period() == 0 && !keepTimerStopped) shrinkTimer_.setPeriod(kShrinkPeriodMs);
}

void Docking::expandRight(const DockEdges& edges, const DockMetrics& m) {
    if (panel_.bounds().width != m.strip) return;
    panel_.bringToFront();
    const Wide fullLeft = Wide{edges.right()} - m.panelWidth;
    Rect start = panel_.bounds();
    start.left = edges.right() - (m.strip + 1);
    write(start);
    Wide left = start.left;
    Wide width = start.width;
    while (m.horizontalStep > 0) {
        Rect step = panel_.bounds();
        if (step.left <= fullLeft) break;
        left -= m.horizontalStep;
        if (left <= fullLeft) break;
        width = std::min<Wide>(width + m.horizontalStep, m.panelWidth);
        step.left = static_cast<int>(left);
        step.width = static_cast<int>(width);
        write(step);
        wait();
    }
    Rect full = panel_.bounds();
    full.left = static_cast<int>(fullLeft);
    full.width = m.panelWidth;
    write(full);
    finishSlideOut();
}

// The left and top slides out: the strip's `size` (width or height) steps up to `full`.
void Docking::expandAlong(int Rect::*size, int full, int step, int strip) {
    if (panel_.bounds().*size != strip) return;
    panel_.bringToFront();
    Wide grown = panel_.bounds().*size;
    while (step > 0 && panel_.bounds().*size < full) {
        grown += step;
        if (grown >= full) break;
        Rect next = panel_.bounds();
        next.*size = static_cast<int>(grown);
        write(next);
        wait();
    }
    Rect last = panel_.bounds();
    last.*size = full;
    write(last);
    finishSlideOut();
}

void Docking::finishSlideOut() {
    panel_.setNormalFrame(true);
    // Topmost for a moment brings the panel to the top of the window order;
    // then back to the state the "stay on top" option gave it.
    const bool stayOnTop = panel_.isTopmost();
    panel_.setTopmost(true);
    panel_.setTopmost(stayOnTop);
}

void Docking::onPositionChanged() {
    if (ownChange_ || panel_.isMinimized()) return;
    const DockMetrics m = metrics();
    Rect bounds = panel_.bounds();
    if (!restoresAfterMove(bounds, edges(), m)) return;
    const OwnChange restoring(ownChange_);
    if (bounds.width != m.panelWidth || bounds.height != m.panelHeight) {
        bounds.width = m.panelWidth;
        bounds.height = m.panelHeight;
        write(bounds);
    }
    if (!panel_.hasNormalFrame()) panel_.setNormalFrame(true);
    shrinkTimer_.setPeriod(kShrinkPeriodMs);
}

void Docking::onSizeChanged() {
    // Never while shrunk or sliding (no frame then), nor minimized.
    if (!panel_.hasNormalFrame() || panel_.isMinimized()) return;
    const RememberedSize size = sizeToRemember(panel_.bounds(), geometry_, scale_);
    if (size.width) {
        geometry_.panelWidth = *size.width;
        settings_.writePanelSetting(settings::kWidthKey, std::to_string(*size.width));
    }
    if (size.height) {
        geometry_.panelHeight = *size.height;
        settings_.writePanelSetting(settings::kHeightKey, std::to_string(*size.height));
    }
}

}  // namespace quorvane::shell
