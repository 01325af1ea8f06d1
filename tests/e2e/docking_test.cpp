// The panel at the edge of the real desktop: the strip it shrinks into, the
// pointer that brings it back, the place and size it remembers, and its
// sizes at another DPI. The rules themselves are tested natively.
#include <chrono>

#include "harness/e2e_test.h"
#include "harness/system_dpi.h"
#include "ini_bytes.h"

namespace quorvane::e2e {
namespace {

using std::chrono::milliseconds;

// The virtual desktop of the test prefix.
constexpr int kDesktopWidth = 1280;

class DockingTest : public E2eTest {
protected:
    // Moves the panel so its right edge is 3 px from the desktop's, with the
    // pointer over it so that it stays out, and waits until it is there.
    bool placeAtTheRightEdge(HWND panel) {
        const ScreenRect before = windowRect(panel);
        const int left = kDesktopWidth - 3 - before.width;
        moveMouse({left + before.width / 2, before.top + before.height / 2});
        SetWindowPos(panel, nullptr, left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return waitUntil([&] { return windowRect(panel).left == left; });
    }
    // The panel's icon in the notification area: the right end of Wine's
    // taskbar on the virtual desktop, where it is the only icon.
    static bool trayIcon(POINT& icon) {
        WindowMatch taskbar;
        taskbar.className = "Shell_TrayWnd";
        const HWND bar = waitForTopLevel(taskbar);
        if (bar == nullptr) return false;
        const ScreenRect area = windowRect(bar);
        icon = {area.left + area.width - 10, area.top + area.height / 2};
        return true;
    }
    static bool resizing(HWND window) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
               (info.flags & GUI_INMOVESIZE) != 0;
    }
    // Moves the pointer away and waits at most a second for the strip.
    bool shrinks(HWND panel) {
        const ScreenRect before = windowRect(panel);
        moveMouse({300, 400});
        return waitUntil(
            [&] {
                return windowRect(panel) == ScreenRect{kDesktopWidth - 2, before.top, 2, before.height};
            },
            milliseconds(1000));
    }
};

TEST_F(DockingTest, ThePanelShrinksIntoAStripAtTheRightEdgeAndThePointerBringsItBack) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(placeAtTheRightEdge(panel)) << windowRect(panel);

    EXPECT_TRUE(shrinks(panel)) << "within 1 s the panel is 2 px wide at x = 1278; it is "
                                << windowRect(panel);

    moveMouse({kDesktopWidth - 1, 300});
    EXPECT_TRUE(waitUntil([&] {
        return windowRect(panel) == ScreenRect{kDesktopWidth - 243, 50, 243, 560};
    })) << windowRect(panel);
    ASSERT_TRUE(app().closePanel());
}

TEST_F(DockingTest, ClosedWhileShrunkThePanelKeepsThePlaceItHadBeforeTheShrink) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(placeAtTheRightEdge(panel));
    ASSERT_TRUE(shrinks(panel)) << windowRect(panel);

    ASSERT_TRUE(app().closePanel());

    const auto bytes = readBytes(app().settingsPath());
    ASSERT_TRUE(bytes.has_value()) << "no mlkpz.ini";
    EXPECT_EQ(iniEntries(*bytes),
              (std::vector<IniEntry>{{"shezhi", gbk("横坐标"), "1034"}, {"shezhi", gbk("纵坐标"), "50"}}))
        << hexBytes(*bytes);
}

TEST_F(DockingTest, ResizedTo300WideThePanelOpens300WideNextTime) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    const ScreenRect before = windowRect(panel);
    // The right border, grabbed a pixel inside the frame's outer edge.
    const POINT border{before.left + before.width - 2, before.top + before.height / 2};
    drag(border, {border.x + 300 - before.width, border.y});
    // Until the size loop has taken the release: a close that came first
    // would end the program inside that loop.
    ASSERT_TRUE(waitUntil([&] { return !resizing(panel) && windowRect(panel).width == 300; }))
        << windowRect(panel);
    ASSERT_TRUE(app().closePanel());

    const auto bytes = readBytes(app().settingsPath());
    ASSERT_TRUE(bytes.has_value());
    // The width as soon as it changed; the height did not change.
    EXPECT_EQ(iniEntries(*bytes),
              (std::vector<IniEntry>{{"shezhi", gbk("宽度"), "300"},
                                     {"shezhi", gbk("横坐标"), std::to_string(before.left)},
                                     {"shezhi", gbk("纵坐标"), std::to_string(before.top)}}))
        << hexBytes(*bytes);

    app().start();
    const HWND again = app().waitForPanel();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(windowRect(again), (ScreenRect{before.left, before.top, 300, before.height}));
    ASSERT_TRUE(app().closePanel());
}

// At 144 DPI every designed size is half as large again: 243 wide is 365
// pixels. The desktop is 800 pixels high, so the remembered height is one
// that fits (480, 720 pixels).
TEST_F(DockingTest, At144DpiThePanelIs365WideAndItsControlsFitInside) {
    const SystemDpiForNewPrograms dpi(144);
    app().seedSettings("[shezhi]\r\n高度=480\r\n纵坐标=20\r\n");
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(windowRect(panel), (ScreenRect{50, 20, 365, 720}));

    RECT client{};
    GetClientRect(panel, &client);
    const ScreenRect area = windowRect(panel);
    int lowest = 0;
    for (const char* controlClass : {"SysTreeView32", "QuorvaneSplitter", "RichEdit50W"}) {
        SCOPED_TRACE(controlClass);
        const std::vector<HWND> found = descendantsOfClass(panel, controlClass);
        ASSERT_EQ(found.size(), 1u);
        RECT r{};
        GetWindowRect(found[0], &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, client.right) << "wider than the client area of " << area;
        EXPECT_GE(r.top, lowest) << "overlaps the control above it";
        EXPECT_LE(r.bottom, client.bottom) << "below the client area of " << area;
        lowest = r.bottom;
    }
    const ScreenRect info = windowRect(descendantsOfClass(panel, "RichEdit50W").at(0));
    EXPECT_EQ(info.height, 141) << "the info box's 94 designed pixels";
    ASSERT_TRUE(app().closePanel());
}

TEST_F(DockingTest, ALeftClickOnTheTrayIconRestoresAMinimizedPanel) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    ShowWindow(panel, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(panel) != FALSE; }));
    POINT icon{};
    ASSERT_TRUE(trayIcon(icon));

    click(icon);

    // Restored in steps: the window is no longer minimized a moment before it has its place back.
    EXPECT_TRUE(waitUntil([&] {
        return !IsIconic(panel) && IsWindowVisible(panel) && windowRect(panel) == ScreenRect{50, 50, 243, 560};
    })) << windowRect(panel);
    ASSERT_TRUE(app().closePanel());
}

TEST_F(DockingTest, TheTrayMenusExitEndsTheProgramAsClosingThePanelDoes) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    SetWindowPos(panel, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] { return windowRect(panel).left == 200; }));
    POINT icon{};
    ASSERT_TRUE(trayIcon(icon));

    rightClick(icon);
    const HWND menu = app().waitForPopupMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    const ScreenRect items = windowRect(menu);
    // "退出" is the second of its two items.
    click({items.left + items.width / 2, items.top + items.height * 3 / 4});

    ASSERT_TRUE(app().process().waitForExit()) << "still running after 退出";
    const auto bytes = readBytes(app().settingsPath());
    ASSERT_TRUE(bytes.has_value()) << "the shut-down did not run";
    EXPECT_EQ(iniEntries(*bytes),
              (std::vector<IniEntry>{{"shezhi", gbk("横坐标"), "200"}, {"shezhi", gbk("纵坐标"), "150"}}));
}

}  // namespace
}  // namespace quorvane::e2e
