#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/panel_view.h"

namespace quorvane::fakes {

// The panel as a record of its state; starts at 243 x 560 at 50, 50, hidden.
class FakePanelView : public PanelView {
public:
    Rect bounds() override { return rect; }
    void setBounds(const Rect& r) override { rect = r; }
    bool isMinimized() override { return minimized; }
    bool hasNormalFrame() override { return normalFrame; }
    void setNormalFrame(bool normal) override { normalFrame = normal; }
    bool isTopmost() override { return topmost; }
    void setTopmost(bool on) override { topmost = on; }
    bool isVisible() override { return visible; }
    void show() override { visible = true; }
    void bringToFront() override { ++broughtToFront; }
    bool menuChecked(int id) override { return checks[id]; }
    void setMenuChecked(int id, bool checked) override { checks[id] = checked; }
    void placeControls(const ControlPlaces& p) override { places = p; }
    void popUpCommandMenu(Point screen) override { menusAt.push_back(screen); }
    void watchPointer() override { record("watchPointer"); }
    void addTrayIcon() override { record("addTrayIcon"); }

    Rect rect{50, 50, 243, 560};
    bool minimized = false;
    bool normalFrame = true;
    bool topmost = false;
    bool visible = false;
    int broughtToFront = 0;
    std::map<int, bool> checks;
    ControlPlaces places;
    std::vector<Point> menusAt;
    // Where the calls that take part in the start-up order are written, when set.
    std::vector<std::string>* log = nullptr;

private:
    void record(const char* call) {
        if (log != nullptr) log->push_back(call);
    }
};

}  // namespace quorvane::fakes
