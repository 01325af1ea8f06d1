#pragma once
#include "platform/panel_view.h"

namespace quorvane::win32 {

class MainPanel;

// The core's view of MainPanel: its outer rectangle, frame, state and menu check marks.
class WinPanelView final : public PanelView {
public:
    explicit WinPanelView(MainPanel& panel) : panel_(panel) {}

    Rect bounds() override;
    void setBounds(const Rect& bounds) override;
    bool isMinimized() override;
    bool isMaximized() override;
    bool hasNormalFrame() override;
    void setNormalFrame(bool normal) override;
    bool isTopmost() override;
    void setTopmost(bool topmost) override;
    bool isVisible() override;
    void show() override;
    void restore() override;
    void close() override;
    int dpi() override;
    void bringToFront() override;
    bool menuChecked(int commandId) override;
    void setMenuChecked(int commandId, bool checked) override;
    void placeControls(const ControlPlaces& places) override;
    void popUpCommandMenu(Point screen) override;
    void watchPointer() override;
    void addTrayIcon() override;
    void popUpTrayMenu() override;

private:
    MainPanel& panel_;
};

}  // namespace quorvane::win32
