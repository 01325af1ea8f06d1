#pragma once
// Edge docking: a panel left against the right, left or top edge of its
// monitor slides into a thin strip when the pointer leaves it, and out again
// when the pointer touches the strip or the tray icon calls it up. Also
// remembers the panel's size when the user changes it.
//
// The rules are functions of the panel's rectangle and its monitor; Docking
// runs them on the shrink tick, on expandPanel and on the panel's move and
// resize events, and does the slides.
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dpi_scale.h"
#include "platform/panel_view.h"
#include "platform/timer.h"
#include "platform/types.h"
#include "settings/options.h"
#include "settings/settings_file.h"

namespace quorvane::shell {

// The shrink timer's period while it runs.
inline constexpr int kShrinkPeriodMs = 50;
// Each step of a slide ends with a wait this long that keeps dispatching.
inline constexpr int kSlideStepWaitMs = 10;
// Below this designed width a resize is not remembered.
inline constexpr int kSmallestRememberedWidth = 123;

enum class DockSide { None, Right, Left, Top };

// The monitor that holds the panel, and which of its edges another monitor
// shares. The pointer crosses to the other monitor there, so a shared edge
// never docks.
struct DockEdges {
    Rect monitor;
    bool leftShared = false;
    bool rightShared = false;
    bool topShared = false;

    int left() const { return monitor.left; }
    int right() const { return monitor.left + monitor.width; }
    int top() const { return monitor.top; }
};

// The monitor with the largest part of `window`, the nearest one when none
// holds any (as the system chooses a window's monitor), with its shared
// edges. `monitors` lists every monitor of the desktop; an empty list gives
// an empty monitor.
DockEdges dockEdgesFor(const std::vector<Monitor>& monitors, const Rect& window);

// The lengths of docking, in pixels at the panel's scale.
struct DockMetrics {
    DockMetrics(const DpiScale& scale, const settings::PanelGeometry& geometry);

    int strip;        // the thickness of a shrunk panel
    int reach;        // how near an edge counts as against it
    int shrunkBelow;  // a width or height below this is a shrunk panel's
    int clearOfEdge;  // how far from an edge a moved strip counts as clear of it
    int nearEdge;     // the margin of the right edge and the top that a moved strip is near
    int panelWidth;   // the full size a slide-out ends at
    int panelHeight;
    int horizontalStep;  // how far one step of a slide goes
    int verticalStep;
};

// Which edge a panel at `panel` shrinks to: right, then left, then top;
// None when it is against none of them.
DockSide dockSide(const Rect& panel, const DockEdges& edges, const DockMetrics& metrics);

// The pointer counts as over the panel up to one pixel beyond its right and bottom edges.
bool pointerOver(const Rect& panel, Point pointer);

// Whether a move left the panel at `panel` needing its full size again: only
// a shrunk panel does, when it is now clear of the edges, or near the top.
bool restoresAfterMove(const Rect& panel, const DockEdges& edges, const DockMetrics& metrics);

// The sizes a resize makes the panel remember, in designed units: a width
// that differs and is at least kSmallestRememberedWidth, a height that differs.
struct RememberedSize {
    std::optional<int> width;
    std::optional<int> height;
};
RememberedSize sizeToRemember(const Rect& panel, const settings::PanelGeometry& geometry,
                              const DpiScale& scale);

class Docking {
public:
    // All outlive the Docking; `geometry` and `scale` are read afresh at every event.
    Docking(PanelView& panel, Desktop& desktop, Clock& clock, Timer& shrinkTimer,
            settings::PanelGeometry& geometry, const DpiScale& scale, settings::SettingsFile& settings);
    Docking(const Docking&) = delete;
    Docking& operator=(const Docking&) = delete;

    void onShrinkTick();
    // Slides a shrunk panel out; restarts the shrink timer unless `keepTimerStopped`.
    void expandPanel(bool keepTimerStopped);
    // The panel moved; its own slides do not count.
    void onPositionChanged();
    // The panel was resized: its size is remembered when the user made it.
    void onSizeChanged();

    // Where the panel was when it last began to shrink.
    std::optional<Point> placeBeforeShrink() const { return placeBeforeShrink_; }

private:
    DockEdges edges();
    DockMetrics metrics() const { return DockMetrics(scale_, geometry_); }
    void wait() { clock_.waitDispatching(kSlideStepWaitMs); }
    void write(const Rect& bounds) { panel_.setBounds(bounds); }

    void shrinkRight(const DockEdges& edges, const DockMetrics& m);
    void shrinkAlong(int Rect::*place, int edge, int Rect::*size, int step, int strip);
    void expandRight(const DockEdges& edges, const DockMetrics& m);
    void expandAlong(int Rect::*size, int full, int step, int strip);
    void finishSlideOut();

    PanelView& panel_;
    Desktop& desktop_;
    Clock& clock_;
    Timer& shrinkTimer_;
    settings::PanelGeometry& geometry_;
    const DpiScale& scale_;
    settings::SettingsFile& settings_;

    // The left button was held at the last tick that found the pointer over the panel.
    bool pressedInside_ = false;
    // True while the panel's own writes run: a slide, or the restore after a
    // move. The waits of a slide dispatch messages, so the shrink tick, the
    // pointer and the panel's moves reach this object again meanwhile.
    bool ownChange_ = false;
    std::optional<Point> placeBeforeShrink_;
};

}  // namespace quorvane::shell
