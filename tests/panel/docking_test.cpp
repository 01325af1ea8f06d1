// The whole panel at a screen edge: its shrink timer, the pointer and the
// tray icon, its remembered size and place, the splitter, and its scale.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel_world.h"
#include "shell/docking.h"

namespace quorvane::testing {
namespace {

using shell::PanelTimer;

int shrinkPeriod(PanelWorld& w) {
    return w.timers[static_cast<std::size_t>(PanelTimer::Shrink)]->period();
}

// Started, then moved by the user against the right edge (2 px from it), and
// the pointer moved away: the next tick shrinks it.
void shrinkAtTheRightEdge(PanelWorld& w) {
    w.panelView.setBounds({1035, 50, 243, 560});
    w.desktop.cursor = {600, 400};
    w.clock.advance(shell::kShrinkPeriodMs);
    ASSERT_EQ(w.panelView.rect, (Rect{1278, 50, 2, 560}));
}

TEST(PanelDocking, TheShrinkTickShrinksADockedPanelAndThePointerBringsItBack) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    shrinkAtTheRightEdge(w);
    EXPECT_EQ(shrinkPeriod(w), 0) << "stopped while shrunk";
    EXPECT_FALSE(w.panelView.normalFrame);

    // The pointer touches the strip (WM_SETCURSOR).
    w.desktop.cursor = {1279, 300};
    w.panel->onPointerOverPanel();

    EXPECT_EQ(w.panelView.rect, (Rect{1037, 50, 243, 560}));
    EXPECT_TRUE(w.panelView.normalFrame);
    EXPECT_EQ(shrinkPeriod(w), shell::kShrinkPeriodMs);
    EXPECT_EQ(w.setting("shezhi", "宽度"), "<absent>") << "a slide is not a resize by the user";
}

TEST(PanelDocking, TheTrayCallsTheStripOutAndLeavesTheTimerStoppedUntilThePointerComes) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    shrinkAtTheRightEdge(w);

    w.panel->onTrayEvent(shell::TrayEvent::LeftButtonUp);
    EXPECT_EQ(w.panelView.rect, (Rect{1037, 50, 243, 560}));
    EXPECT_EQ(shrinkPeriod(w), 0);
    w.clock.advance(1000);
    EXPECT_EQ(w.panelView.rect.width, 243) << "stays out with the pointer away";

    w.desktop.cursor = {1100, 300};
    w.panel->onPointerOverPanel();
    EXPECT_EQ(shrinkPeriod(w), shell::kShrinkPeriodMs);
    w.desktop.cursor = {600, 300};
    w.clock.advance(shell::kShrinkPeriodMs);
    EXPECT_EQ(w.panelView.rect.width, 2);
}

TEST(PanelDocking, ClosingWhileShrunkSavesThePlaceBeforeTheShrink) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    shrinkAtTheRightEdge(w);
    w.panel->shutDown();
    EXPECT_EQ(w.setting("shezhi", "横坐标"), "1035");
    EXPECT_EQ(w.setting("shezhi", "纵坐标"), "50");
}

TEST(PanelDocking, AResizeByTheUserIsRememberedAndTheNextStartOpensAtThatSize) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.panelView.setBounds({300, 50, 100, 560});
    EXPECT_EQ(w.setting("shezhi", "宽度"), "<absent>");
    w.panelView.setBounds({300, 50, 123, 560});
    EXPECT_EQ(w.setting("shezhi", "宽度"), "123");
    w.panelView.setBounds({300, 50, 300, 560});
    EXPECT_EQ(w.setting("shezhi", "宽度"), "300");
    EXPECT_EQ(w.setting("shezhi", "高度"), "<absent>");
    w.panel->shutDown();

    w.panelView.rect = {0, 0, 100, 100};
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.panelView.rect, (Rect{300, 50, 300, 560}));
}

// The system may not give the panel the size the settings ask for (its
// smallest window is larger than a hand-edited height): start-up still
// writes nothing.
TEST(PanelDocking, StartUpWritesNoSizeWhateverSizeTheSystemGivesThePanel) {
    PanelWorld w;
    ASSERT_TRUE(settings::IniFile(w.settingsPath(), w.codec).write("shezhi", "高度", "5"));
    const auto report = w.panelView.onResized;
    w.panelView.onResized = [&w, report] {
        w.panelView.rect.height = std::max(w.panelView.rect.height, 27);
        report();
    };
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.panelView.rect.height, 27);
    EXPECT_EQ(w.setting("shezhi", "高度"), "5");
    EXPECT_EQ(w.setting("shezhi", "宽度"), "<absent>");
}

TEST(PanelDocking, TheSplitterThenAResize) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.panel->onSplitterDragged(200);
    EXPECT_EQ(w.panelView.places.splitter.top, 200);
    EXPECT_EQ(w.panelView.places.info.top, 204);
    EXPECT_EQ(w.panelView.places.info.height, 560 - 204 - 1) << "all the height below the bar";

    w.panelView.setBounds({50, 50, 243, 700});
    EXPECT_EQ(w.panelView.places.info.height, 355) << "a resize keeps the info box's height";
    EXPECT_EQ(w.panelView.places.tree.height, 700 - 355 - 4 - 2);
}

TEST(PanelDocking, AtAnotherScaleTheDesignedSizesBecomeItsPixelsAndTheFileKeepsDesignedUnits) {
    PanelWorld w;
    w.panelView.dotsPerInch = 144;
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.panel->scale().dpi(), 144);
    EXPECT_EQ(w.panelView.rect, (Rect{50, 50, 365, 840}));
    EXPECT_EQ(w.panelView.places.splitter.height, 6);
    EXPECT_EQ(w.panelView.places.info.height, 141);

    w.panelView.setBounds({50, 50, 450, 840});
    EXPECT_EQ(w.setting("shezhi", "宽度"), "300");

    // Moved to a monitor of 96 DPI: the system's rectangle, the controls at that scale.
    w.panel->onDpiChanged(96, {1400, 50, 300, 560});
    EXPECT_EQ(w.panel->scale().dpi(), 96);
    EXPECT_EQ(w.panelView.rect, (Rect{1400, 50, 300, 560}));
    EXPECT_EQ(w.panelView.places.splitter.height, 4);
    EXPECT_EQ(w.panelView.places.info.height, 94);
    EXPECT_EQ(w.panelView.places.tree.height, 560 - 94 - 4 - 2);
    EXPECT_EQ(w.setting("shezhi", "宽度"), "300");
    EXPECT_EQ(w.setting("shezhi", "高度"), "<absent>");
}

}  // namespace
}  // namespace quorvane::testing
