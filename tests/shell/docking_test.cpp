#include "shell/docking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_panel_view.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"
#include "settings/settings_keys.h"

namespace quorvane::shell {
namespace {

using Changes = std::vector<std::string>;

constexpr Monitor kSingle{{0, 0, 1280, 800}, {0, 0, 1280, 770}};
// Two monitors side by side, and one above the other.
const std::vector<Monitor> kSideBySide{kSingle, {{1280, 0, 1280, 800}, {1280, 0, 1280, 770}}};
const std::vector<Monitor> kStacked{kSingle, {{0, 800, 1280, 800}, {0, 800, 1280, 770}}};

constexpr settings::PanelGeometry kDefaults{243, 560, 100, 300};
const DockMetrics kMetrics96{DpiScale(), kDefaults};
const DockMetrics kMetrics144{DpiScale(144), kDefaults};

const char* sideName(DockSide side) {
    switch (side) {
        case DockSide::Right:
            return "right";
        case DockSide::Left:
            return "left";
        case DockSide::Top:
            return "top";
        case DockSide::None:
            break;
    }
    return "none";
}

TEST(DockingRules, TheSideIsRightThenLeftThenTopAndASharedEdgeNeverDocks) {
    const struct {
        const char* name;
        std::vector<Monitor> monitors;
        Rect panel;
        const DockMetrics* metrics;
        DockSide side;
    } cases[] = {
        {"right edge 4 px from the screen's", {kSingle}, {1033, 50, 243, 560}, &kMetrics96, DockSide::Right},
        {"right edge 5 px from the screen's", {kSingle}, {1032, 50, 243, 560}, &kMetrics96, DockSide::None},
        {"past the right edge", {kSingle}, {1200, 50, 243, 560}, &kMetrics96, DockSide::Right},
        {"left 4, top 0: left, not top", {kSingle}, {4, 0, 243, 560}, &kMetrics96, DockSide::Left},
        {"left 5", {kSingle}, {5, 300, 243, 560}, &kMetrics96, DockSide::None},
        {"past the left edge", {kSingle}, {-100, 300, 243, 560}, &kMetrics96, DockSide::Left},
        {"top 4", {kSingle}, {300, 4, 243, 560}, &kMetrics96, DockSide::Top},
        {"top 5", {kSingle}, {300, 5, 243, 560}, &kMetrics96, DockSide::None},
        {"top-right corner: right", {kSingle}, {1037, 0, 243, 560}, &kMetrics96, DockSide::Right},
        {"as wide as the screen: right", {kSingle}, {0, 0, 1280, 560}, &kMetrics96, DockSide::Right},
        {"the bottom never docks", {kSingle}, {300, 240, 243, 560}, &kMetrics96, DockSide::None},
        // At 144 DPI the reach of 5 designed pixels is 8.
        {"144 DPI, 7 px from the right", {kSingle}, {908, 50, 365, 840}, &kMetrics144, DockSide::Right},
        {"144 DPI, 8 px from the right", {kSingle}, {907, 50, 365, 840}, &kMetrics144, DockSide::None},
        {"side by side, the shared edge", kSideBySide, {1037, 50, 243, 560}, &kMetrics96, DockSide::None},
        {"side by side, shared edge but top 0", kSideBySide, {1037, 0, 243, 560}, &kMetrics96, DockSide::Top},
        {"side by side, the far right edge", kSideBySide, {2317, 50, 243, 560}, &kMetrics96, DockSide::Right},
        {"side by side, the second's left edge",
         kSideBySide,
         {1281, 50, 243, 560},
         &kMetrics96,
         DockSide::None},
        {"side by side, the first's left edge", kSideBySide, {2, 50, 243, 560}, &kMetrics96, DockSide::Left},
        {"stacked, the lower one's top", kStacked, {300, 801, 243, 560}, &kMetrics96, DockSide::None},
        {"stacked, the upper one's top", kStacked, {300, 0, 243, 560}, &kMetrics96, DockSide::Top},
        {"stacked, the lower one's right", kStacked, {1037, 900, 243, 560}, &kMetrics96, DockSide::Right},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(sideName(dockSide(c.panel, dockEdgesFor(c.monitors, c.panel), *c.metrics)),
                     sideName(c.side));
    }
}

TEST(DockingRules, ThePanelsMonitorIsTheOneHoldingMostOfItAndItsSharedEdgesAreMarked) {
    const std::vector<Monitor> leftOfPrimary{kSingle, {{-1920, 0, 1920, 1080}, {-1920, 0, 1920, 1040}}};
    // The second monitor is lower and overlaps the first's height only in part.
    const std::vector<Monitor> offset{kSingle, {{1280, 600, 1280, 800}, {1280, 600, 1280, 770}}};
    const std::vector<Monitor> apart{kSingle, {{1280, 800, 1280, 800}, {1280, 800, 1280, 770}}};
    const struct {
        const char* name;
        std::vector<Monitor> monitors;
        Rect panel;
        DockEdges edges;
    } cases[] = {
        {"one monitor", {kSingle}, {50, 50, 243, 560}, {{0, 0, 1280, 800}}},
        {"side by side, on the first",
         kSideBySide,
         {50, 50, 243, 560},
         {{0, 0, 1280, 800}, false, true, false}},
        {"side by side, on the second",
         kSideBySide,
         {1500, 50, 243, 560},
         {{1280, 0, 1280, 800}, true, false, false}},
        {"straddling, mostly on the second",
         kSideBySide,
         {1200, 50, 243, 560},
         {{1280, 0, 1280, 800}, true, false, false}},
        {"stacked, on the lower one",
         kStacked,
         {50, 900, 243, 560},
         {{0, 800, 1280, 800}, false, false, true}},
        {"stacked, on the upper one", kStacked, {50, 50, 243, 560}, {{0, 0, 1280, 800}}},
        {"a monitor at negative coordinates",
         leftOfPrimary,
         {-600, 50, 243, 560},
         {{-1920, 0, 1920, 1080}, false, true, false}},
        {"edges that meet over part of their length",
         offset,
         {50, 50, 243, 560},
         {{0, 0, 1280, 800}, false, true}},
        {"monitors that meet only at a corner", apart, {50, 50, 243, 560}, {{0, 0, 1280, 800}}},
        {"off every monitor: the nearest", kSideBySide, {2700, 50, 243, 560}, {{1280, 0, 1280, 800}, true}},
        {"no monitor at all", {}, {50, 50, 243, 560}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DockEdges edges = dockEdgesFor(c.monitors, c.panel);
        EXPECT_EQ(edges.monitor, c.edges.monitor);
        EXPECT_EQ(edges.leftShared, c.edges.leftShared);
        EXPECT_EQ(edges.rightShared, c.edges.rightShared);
        EXPECT_EQ(edges.topShared, c.edges.topShared);
    }
}

TEST(DockingRules, ThePointerIsOverThePanelUpToAPixelPastItsRightAndBottom) {
    const Rect panel{100, 50, 243, 560};
    const struct {
        Point pointer;
        bool over;
    } cases[] = {
        {{100, 50}, true},   {{343, 610}, true}, {{344, 300}, false},
        {{200, 611}, false}, {{99, 300}, false}, {{200, 49}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pointerOver(panel, c.pointer), c.over) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(DockingRules, OnlyAShrunkPanelMovedClearOfTheEdgesOrNearTheTopIsRestored) {
    const struct {
        const char* name;
        Rect panel;
        bool restores;
    } cases[] = {
        {"a full panel anywhere", {0, 0, 243, 560}, false},
        {"the right strip where it shrank", {1278, 50, 2, 560}, false},
        {"the right strip moved down along the edge", {1278, 300, 2, 560}, false},
        {"the right strip moved clear", {600, 300, 2, 560}, true},
        {"the right strip 4 px from the edge", {1274, 300, 2, 560}, true},
        {"the right strip 3 px from the edge", {1275, 300, 2, 560}, false},
        {"the left strip", {0, 300, 2, 560}, false},
        {"the left strip moved to 1", {1, 300, 2, 560}, true},
        {"a strip at the top corner", {0, 2, 2, 560}, true},
        {"the top strip", {300, 0, 243, 2}, true},
        {"the top strip moved down", {300, 200, 243, 2}, true},
        {"9 px wide", {1271, 300, 9, 560}, false},
    };
    const DockEdges edges = dockEdgesFor({kSingle}, {});
    for (const auto& c : cases) {
        EXPECT_EQ(restoresAfterMove(c.panel, edges, kMetrics96), c.restores) << c.name;
    }
}

TEST(DockingRules, AResizeIsRememberedInDesignedUnitsFromAWidthOf123) {
    const struct {
        const char* name;
        int dpi;
        Rect panel;
        std::optional<int> width;
        std::optional<int> height;
    } cases[] = {
        {"unchanged", 96, {0, 0, 243, 560}, std::nullopt, std::nullopt},
        {"100 wide", 96, {0, 0, 100, 560}, std::nullopt, std::nullopt},
        {"122 wide", 96, {0, 0, 122, 560}, std::nullopt, std::nullopt},
        {"123 wide", 96, {0, 0, 123, 560}, 123, std::nullopt},
        {"300 wide", 96, {0, 0, 300, 560}, 300, std::nullopt},
        {"any height", 96, {0, 0, 243, 20}, std::nullopt, 20},
        {"both", 96, {0, 0, 300, 700}, 300, 700},
        {"144 DPI, the designed size", 144, {0, 0, 365, 840}, std::nullopt, std::nullopt},
        {"144 DPI, wider", 144, {0, 0, 450, 840}, 300, std::nullopt},
        {"144 DPI, 184 px is 123", 144, {0, 0, 184, 840}, 123, std::nullopt},
        {"144 DPI, 183 px is 122", 144, {0, 0, 183, 840}, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RememberedSize size = sizeToRemember(c.panel, kDefaults, DpiScale(c.dpi));
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

// Docking on fakes: the panel reports its moves and resizes at once, as the
// system does inside SetWindowPos, and the clock runs due timers inside the
// waits of a slide.
class DockingTest : public ::testing::Test {
protected:
    DockingTest() {
        panel.rect = {1035, 50, 243, 560};  // 2 px from the right edge
        panel.visible = true;
        panel.onMoved = [this] { docking.onPositionChanged(); };
        panel.onResized = [this] { docking.onSizeChanged(); };
        shrinkTimer.setPeriod(kShrinkPeriodMs);
        desktop.cursor = {600, 400};
    }

    // One tick of the shrink timer, from the clock.
    void tick() { clock.advance(kShrinkPeriodMs); }
    std::string setting(const char* key) const { return ini.read(settings::kPanelSection, key, "<absent>"); }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    settings::IniFile ini{dir / settings::kSettingsFileName, codec};
    settings::SettingsFile settingsFile{ini};
    fakes::FakeClock clock;
    fakes::FakeDesktop desktop{&clock};
    fakes::FakePanelView panel;
    fakes::FakeTimer& shrinkTimer = clock.makeTimer([this] { docking.onShrinkTick(); });
    settings::PanelGeometry geometry = kDefaults;
    DpiScale scale;
    Docking docking{panel, desktop, clock, shrinkTimer, geometry, scale, settingsFile};
};

TEST_F(DockingTest, APanelAtAnEdgeSlidesIntoItsStripWhenThePointerLeaves) {
    const struct {
        const char* name;
        Rect start;
        Changes changes;
        std::size_t waits;  // of 10 ms, one after every step but the final write
    } cases[] = {
        {"right",
         {1035, 50, 243, 560},
         {"frame none", "bounds 1135,50 143x560", "bounds 1235,50 43x560", "bounds 1278,50 2x560"},
         2},
        // Never thinner than 3 until the final write.
        {"right, 4 px from the edge",
         {1076, 50, 200, 560},
         {"frame none", "bounds 1176,50 100x560", "bounds 1276,50 3x560", "bounds 1278,50 2x560"},
         2},
        {"left, from past the edge",
         {-40, 100, 243, 560},
         {"frame none", "bounds 0,100 243x560", "bounds 0,100 143x560", "bounds 0,100 43x560",
          "bounds 0,100 2x560"},
         2},
        {"left, at 4 and top 0",
         {4, 0, 243, 560},
         {"frame none", "bounds 0,0 243x560", "bounds 0,0 143x560", "bounds 0,0 43x560", "bounds 0,0 2x560"},
         2},
        {"top",
         {300, 3, 243, 560},
         {"frame none", "bounds 300,0 243x560", "bounds 300,0 243x260", "bounds 300,0 243x2"},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel.rect = c.start;
        panel.normalFrame = true;
        panel.changes.clear();
        shrinkTimer.setPeriod(kShrinkPeriodMs);
        const std::size_t waitsBefore = clock.waits().size();

        tick();

        EXPECT_EQ(panel.changes, c.changes);
        EXPECT_EQ(clock.waits().size() - waitsBefore, c.waits);
        for (std::size_t i = waitsBefore; i < clock.waits().size(); ++i) EXPECT_EQ(clock.waits()[i], 10u);
        EXPECT_EQ(shrinkTimer.period(), 0) << "stopped while shrunk";
        EXPECT_FALSE(panel.normalFrame);
        EXPECT_EQ(docking.placeBeforeShrink(), (Point{c.start.left, c.start.top}));
    }
}

TEST_F(DockingTest, APanelAwayFromTheEdgesKeepsItsPlaceAndTheTimerRuns) {
    panel.rect = {300, 50, 243, 560};
    tick();
    tick();
    EXPECT_TRUE(panel.changes.empty());
    EXPECT_EQ(shrinkTimer.period(), kShrinkPeriodMs);
}

TEST_F(DockingTest, ThePointerOverThePanelKeepsItOut) {
    desktop.cursor = {1278, 610};  // one pixel past the right and bottom edges still counts
    tick();
    EXPECT_TRUE(panel.changes.empty());
}

TEST_F(DockingTest, APressHeldOverThePanelKeepsItOpenUntilThePointerComesBackWithTheButtonUp) {
    const Point over{1100, 300};
    const Point away{600, 300};
    const struct {
        const char* name;
        Point pointer;
        bool buttonDown;
        bool shrunk;
    } steps[] = {
        {"press over the panel (dragging its title bar)", over, true, false},
        {"drag out with the button held", away, true, false},
        {"release outside", away, false, false},
        {"still outside", away, false, false},
        {"back over it with the button up", over, false, false},
        {"leave again", away, false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        desktop.cursor = step.pointer;
        desktop.keysDown[vk::LeftButton] = step.buttonDown;
        tick();
        EXPECT_EQ(panel.rect.width == 2, step.shrunk);
    }
}

TEST_F(DockingTest, AMaximizedPanelDoesNotShrinkWhenThePointerGoesToTheTaskbar) {
    panel.rect = {-8, -8, 1296, 786};
    panel.maximized = true;
    desktop.cursor = {640, 790};
    tick();
    EXPECT_TRUE(panel.changes.empty());
    EXPECT_EQ(shrinkTimer.period(), kShrinkPeriodMs);
}

TEST_F(DockingTest, AMinimizedPanelStopsTheTimerAndDoesNotShrink) {
    panel.minimized = true;
    tick();
    EXPECT_EQ(shrinkTimer.period(), 0);
    EXPECT_TRUE(panel.changes.empty());
    tick();
    EXPECT_TRUE(panel.changes.empty());
}

TEST_F(DockingTest, TwoMonitorsDockOnlyAtEdgesNoOtherMonitorShares) {
    const struct {
        const char* name;
        std::vector<Monitor> monitors;
        Rect start;
        Rect shrunk;
    } cases[] = {
        {"side by side, the shared edge", kSideBySide, {1036, 50, 243, 560}, {1036, 50, 243, 560}},
        {"side by side, the far right edge", kSideBySide, {2316, 50, 243, 560}, {2558, 50, 2, 560}},
        {"side by side, the second's left edge", kSideBySide, {1282, 50, 243, 560}, {1282, 50, 243, 560}},
        {"stacked, the lower one's top", kStacked, {300, 802, 243, 560}, {300, 802, 243, 560}},
        {"stacked, the lower one's right edge", kStacked, {1036, 900, 243, 560}, {1278, 900, 2, 560}},
        {"stacked, the upper one's top", kStacked, {300, 2, 243, 560}, {300, 0, 243, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.displays = c.monitors;
        desktop.cursor = {-5000, -5000};
        panel.rect = c.start;
        panel.normalFrame = true;
        shrinkTimer.setPeriod(kShrinkPeriodMs);
        tick();
        EXPECT_EQ(panel.rect, c.shrunk);
    }
}

TEST_F(DockingTest, TheStripSlidesOutWhenThePointerTouchesIt) {
    const struct {
        const char* name;
        Rect strip;
        Changes changes;
    } cases[] = {
        {"right",
         {1278, 50, 2, 560},
         {"bounds 1277,50 2x560", "bounds 1177,50 102x560", "bounds 1077,50 202x560",
          "bounds 1037,50 243x560", "frame normal", "topmost", "not topmost"}},
        {"left",
         {0, 50, 2, 560},
         {"bounds 0,50 102x560", "bounds 0,50 202x560", "bounds 0,50 243x560", "frame normal", "topmost",
          "not topmost"}},
        {"top",
         {300, 0, 243, 2},
         {"bounds 300,0 243x302", "bounds 300,0 243x560", "frame normal", "topmost", "not topmost"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel.rect = c.strip;
        panel.normalFrame = false;
        panel.changes.clear();
        panel.broughtToFront = 0;
        shrinkTimer.setPeriod(0);

        docking.expandPanel(false);

        EXPECT_EQ(panel.changes, c.changes);
        EXPECT_EQ(panel.broughtToFront, 1);
        EXPECT_EQ(shrinkTimer.period(), kShrinkPeriodMs) << "re-armed";
    }
}

TEST_F(DockingTest, ExpandPanelRestartsTheTimerOnlyWhenTheBranchReachesIt) {
    const struct {
        const char* name;
        Rect panel;
        bool keepTimerStopped;
        Rect after;
        int period;
    } cases[] = {
        {"the tray leaves it stopped", {1278, 50, 2, 560}, true, {1037, 50, 243, 560}, 0},
        {"a full panel at the right edge",
         {1037, 50, 243, 560},
         false,
         {1037, 50, 243, 560},
         kShrinkPeriodMs},
        {"a panel past the left edge snaps back",
         {-30, 50, 243, 560},
         false,
         {0, 50, 243, 560},
         kShrinkPeriodMs},
        {"a full panel at the top", {300, 0, 243, 560}, false, {300, 0, 243, 560}, kShrinkPeriodMs},
        {"a panel away from every edge", {300, 1, 243, 560}, false, {300, 1, 243, 560}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel.rect = c.panel;
        shrinkTimer.setPeriod(0);
        docking.expandPanel(c.keepTimerStopped);
        EXPECT_EQ(panel.rect, c.after);
        EXPECT_EQ(shrinkTimer.period(), c.period);
    }
}

// The slide-out brings the panel to the top of the window order; a panel the
// user keeps on top stays on top.
TEST_F(DockingTest, TheSlideOutKeepsTheStayOnTopOption) {
    panel.rect = {1278, 50, 2, 560};
    panel.normalFrame = false;
    panel.topmost = true;
    docking.expandPanel(false);
    EXPECT_TRUE(panel.topmost);
    EXPECT_EQ(std::vector<std::string>(panel.changes.end() - 2, panel.changes.end()),
              (Changes{"topmost", "topmost"}));
}

// A shrink speed of 0 or less (the settings file is edited by hand) would
// never reach the edge: the slide goes there in one write.
TEST_F(DockingTest, AShrinkSpeedOfZeroOrLessSlidesInOneWrite) {
    for (const int speed : {0, -100}) {
        SCOPED_TRACE(speed);
        geometry.shrinkSpeed = speed;
        geometry.shrinkStep = speed * 3;
        panel.rect = {1035, 50, 243, 560};
        panel.normalFrame = true;
        panel.changes.clear();
        shrinkTimer.setPeriod(kShrinkPeriodMs);
        tick();
        EXPECT_EQ(panel.changes, (Changes{"frame none", "bounds 1278,50 2x560"}));
        panel.changes.clear();
        docking.expandPanel(false);
        EXPECT_EQ(panel.changes, (Changes{"bounds 1277,50 2x560", "bounds 1037,50 243x560", "frame normal",
                                          "topmost", "not topmost"}));
    }
}

TEST_F(DockingTest, AtAnotherScaleTheStripAndTheFullSizeFollowIt) {
    scale = DpiScale(144);
    panel.rect = {914, 50, 365, 840};
    tick();
    EXPECT_EQ(panel.rect, (Rect{1277, 50, 3, 840}));
    docking.expandPanel(false);
    EXPECT_EQ(panel.rect, (Rect{915, 50, 365, 840}));
}

// The waits of a slide dispatch messages: the shrink tick and the pointer
// reach the docking again meanwhile, and change nothing.
TEST_F(DockingTest, TicksAndPointerMovesDuringASlideDoNothing) {
    geometry.shrinkSpeed = 10;
    fakes::FakeTimer& pointerMoves = clock.makeTimer([this] { docking.expandPanel(false); });
    pointerMoves.setPeriod(7);
    tick();
    pointerMoves.setPeriod(0);

    EXPECT_EQ(panel.rect, (Rect{1278, 50, 2, 560}));
    EXPECT_GT(clock.waits().size(), 10u) << "the slide was long enough for ticks to come inside it";
    int lastWidth = 243;
    for (const std::string& change : panel.changes) {
        if (change.rfind("bounds", 0) != 0) continue;
        const int width = std::stoi(change.substr(change.find(' ', 7) + 1));
        EXPECT_LT(width, lastWidth) << change;
        lastWidth = width;
    }
    EXPECT_EQ(shrinkTimer.period(), 0);
}

// The panel's own writes are not a move by the user: a panel in the top-right
// corner stays shrunk, though its strip is near the top.
TEST_F(DockingTest, ThePanelsOwnSlidesDoNotRestoreIt) {
    panel.rect = {1037, 0, 243, 560};
    tick();
    EXPECT_EQ(panel.rect, (Rect{1278, 0, 2, 560}));
    EXPECT_FALSE(panel.normalFrame);
    EXPECT_EQ(shrinkTimer.period(), 0);
}

TEST_F(DockingTest, AStripMovedClearOfTheEdgesGetsItsFullSizeAndFrameBack) {
    tick();
    ASSERT_EQ(panel.rect, (Rect{1278, 50, 2, 560}));
    panel.changes.clear();

    panel.setBounds({600, 300, 2, 560});

    EXPECT_EQ(panel.changes, (Changes{"bounds 600,300 2x560", "bounds 600,300 243x560", "frame normal"}));
    EXPECT_EQ(shrinkTimer.period(), kShrinkPeriodMs);
    // Moved along its edge, a strip stays a strip.
    tick();
    panel.setBounds({1035, 50, 243, 560});
    tick();
    panel.setBounds({1278, 200, 2, 560});
    EXPECT_EQ(panel.rect, (Rect{1278, 200, 2, 560}));
}

TEST_F(DockingTest, AMinimizedPanelIgnoresMoves) {
    panel.rect = {1278, 50, 2, 560};
    panel.normalFrame = false;
    panel.minimized = true;
    panel.setBounds({600, 300, 2, 560});
    EXPECT_EQ(panel.rect, (Rect{600, 300, 2, 560}));
}

TEST_F(DockingTest, OnlyAUsersResizeWithTheNormalFrameIsRemembered) {
    panel.rect = {300, 50, 243, 560};
    const struct {
        const char* name;
        Rect bounds;
        bool normalFrame;
        bool minimized;
        const char* width;
        const char* height;
    } steps[] = {
        {"100 wide keeps the saved width", {300, 50, 100, 560}, true, false, "<absent>", "<absent>"},
        {"123 wide is saved", {300, 50, 123, 560}, true, false, "123", "<absent>"},
        {"a height is saved, however small", {300, 50, 123, 20}, true, false, "123", "20"},
        {"nothing while frameless", {300, 50, 400, 600}, false, false, "123", "20"},
        {"nothing while minimized", {300, 50, 160, 28}, true, true, "123", "20"},
        {"300 wide", {300, 50, 300, 560}, true, false, "300", "560"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        panel.normalFrame = step.normalFrame;
        panel.minimized = step.minimized;
        panel.setBounds(step.bounds);
        EXPECT_EQ(setting(settings::kWidthKey), step.width);
        EXPECT_EQ(setting(settings::kHeightKey), step.height);
    }
    EXPECT_EQ(geometry.panelWidth, 300);
    EXPECT_EQ(geometry.panelHeight, 560);
}

}  // namespace
}  // namespace quorvane::shell
