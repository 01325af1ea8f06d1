#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/panel_view.h"

namespace quorvane::fakes {

// The panel as a record of its state; starts at 243 x 560 at 50, 50, hidden,
// at 96 DPI. Its client area is its outer rectangle: the fake has no frame.
class FakePanelView : public PanelView {
public:
    Rect bounds() override { return rect; }
    // Reports the change at once, as the system sends WM_MOVE and WM_SIZE
    // from inside SetWindowPos.
    void setBounds(const Rect& r) override {
        const Rect before = rect;
        rect = r;
        changes.push_back("bounds " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                          std::to_string(r.width) + "x" + std::to_string(r.height));
        if ((r.left != before.left || r.top != before.top) && onMoved) onMoved();
        if ((r.width != before.width || r.height != before.height) && onResized) onResized();
    }
    bool isMinimized() override { return minimized; }
    bool isMaximized() override { return maximized; }
    bool hasNormalFrame() override { return normalFrame; }
    // A new frame changes the client area.
    void setNormalFrame(bool normal) override {
        normalFrame = normal;
        changes.push_back(normal ? "frame normal" : "frame none");
        if (onResized) onResized();
    }
    bool isTopmost() override { return topmost; }
    void setTopmost(bool on) override {
        topmost = on;
        changes.push_back(on ? "topmost" : "not topmost");
    }
    bool isVisible() override { return visible; }
    void show() override { visible = true; }
    void restore() override { minimized = false; }
    void close() override { ++closeRequests; }
    int dpi() override { return dotsPerInch; }
    void bringToFront() override { ++broughtToFront; }
    bool menuChecked(int id) override { return checks[id]; }
    void setMenuChecked(int id, bool checked) override { checks[id] = checked; }
    void placeControls(const ControlPlaces& p) override { places = p; }
    void popUpCommandMenu(Point screen) override { menusAt.push_back(screen); }
    void watchPointer() override { record("watchPointer"); }
    void addTrayIcon() override { record("addTrayIcon"); }
    void popUpTrayMenu() override { ++trayMenus; }

    Rect rect{50, 50, 243, 560};
    bool minimized = false;
    bool maximized = false;
    bool normalFrame = true;
    bool topmost = false;
    bool visible = false;
    int broughtToFront = 0;
    int closeRequests = 0;
    int trayMenus = 0;
    int dotsPerInch = 96;
    // Every change of place, size, frame and topmost state, in order.
    std::vector<std::string> changes;
    std::function<void()> onMoved;
    std::function<void()> onResized;
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
