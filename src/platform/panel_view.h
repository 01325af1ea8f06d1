#pragma once
#include "platform/types.h"

namespace quorvane {

// Client-area places of the panel's three stacked controls, top to bottom:
// the command tree, the splitter bar and the info box.
struct ControlPlaces {
    Rect tree;
    Rect splitter;
    Rect info;
    friend bool operator==(const ControlPlaces&, const ControlPlaces&) = default;
};

// The panel's own window as the core sees it. Geometry is the outer
// rectangle in screen pixels.
class PanelView {
public:
    virtual ~PanelView() = default;
    virtual Rect bounds() = 0;
    virtual void setBounds(const Rect& bounds) = 0;
    virtual bool isMinimized() = 0;
    virtual bool isMaximized() = 0;
    // The normal resizable frame with title bar; false while frameless (shrunk at an edge).
    virtual bool hasNormalFrame() = 0;
    virtual void setNormalFrame(bool normal) = 0;
    virtual bool isTopmost() = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual bool isVisible() = 0;
    virtual void show() = 0;
    // Back from minimized to its normal place.
    virtual void restore() = 0;
    // Asks the panel to close, as its close box does; the shut-down follows.
    virtual void close() = 0;
    // Dots per inch of the monitor the panel is on; changes arrive as Panel::onDpiChanged.
    virtual int dpi() = 0;
    virtual void bringToFront() = 0;
    // Check marks of menu items, by command id.
    virtual bool menuChecked(int commandId) = 0;
    virtual void setMenuChecked(int commandId, bool checked) = 0;
    virtual void placeControls(const ControlPlaces& places) = 0;
    // The command menu as a popup at a screen point; returns once it has closed.
    virtual void popUpCommandMenu(Point screen) = 0;
    // From now on the pointer moving over the panel or its controls is reported.
    virtual void watchPointer() = 0;
    virtual void addTrayIcon() = 0;
    // The tray icon's menu at the pointer; the chosen item comes back as a menu command.
    virtual void popUpTrayMenu() = 0;
};

}  // namespace quorvane
