#include "editor_link/target_tracker.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes/fake_desktop.h"

namespace quorvane::editor_link {
namespace {

using fakes::FakeDesktop;

struct World {
    // A press on `window`, as the hook reports it, at `now`.
    void pressAt(WindowHandle window) { tracker.leftButtonPressed(desktop.spotOf(window), now); }
    // A press, then the next tracking tick.
    void pressOn(WindowHandle window) {
        pressAt(window);
        tracker.onTrackingTick();
    }

    std::uint32_t now = 1'000'000;
    FakeDesktop desktop;
    TargetTracker tracker{desktop};
    WindowHandle classic = desktop.addWindow("Afx:400000:8");
    WindowHandle hosted = desktop.addWindow("HwndWrapper[DefaultDomain;;3f2a]");
    WindowHandle other = desktop.addWindow("SysTreeView32");
};

TEST(TargetTracker, StartsWithoutTarget) {
    World w;
    w.tracker.onTrackingTick();
    EXPECT_EQ(w.tracker.targetEditor(), 0u);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
    EXPECT_EQ(w.desktop.classNameReads, 0) << "a tick without presses looks at nothing";
}

TEST(TargetTracker, PressesAreTakenOnTheTickNotInTheHook) {
    World w;
    w.pressAt(w.classic);
    EXPECT_EQ(w.desktop.classNameReads, 0);
    w.tracker.onTrackingTick();
    EXPECT_EQ(w.desktop.classNameReads, 1);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.now);
}

// A command chosen a moment after the click, before the tick, still finds it.
TEST(TargetTracker, AskingForTheTargetTakesThePressesNotYetTaken) {
    World w;
    w.pressAt(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::HostedEditor);
}

TEST(TargetTracker, ClassNamesDecideTheKind) {
    struct Case {
        const char* className;
        std::optional<EditorKind> kind;  // nullopt: refused
    };
    const Case cases[] = {
        {"Afx:400000:8", EditorKind::ClassicView},
        {"HwndWrapper", EditorKind::HostedEditor},
        {"HwndWrapper[DefaultDomain;;3f2a]", EditorKind::HostedEditor},
        {"MyHwndWrapper", EditorKind::HostedEditor},
        {"Afx:400000:8:10003", std::nullopt},
        {"xAfx:400000:8", std::nullopt},
        // Holds the classic name, so the hosted-editor test is never made.
        {"Afx:400000:8HwndWrapper", std::nullopt},
        {"hwndwrapper", std::nullopt},
        {"HWNDWRAPPER", std::nullopt},
        {"afx:400000:8", std::nullopt},
        {"Afx:400000:", std::nullopt},
        {"Edit", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        World w;
        w.pressOn(w.classic);
        const WindowHandle probe = w.desktop.addWindow(c.className);
        w.now += kTrackingGateMs;
        w.pressOn(probe);
        EXPECT_EQ(w.tracker.targetEditor(), c.kind ? probe : w.classic);
        EXPECT_EQ(w.tracker.editorKind(), c.kind.value_or(EditorKind::ClassicView));
        EXPECT_EQ(w.tracker.lastTrackTick(), w.now) << "every press that passes opens a new gate";
    }
}

TEST(TargetTracker, KindChangesTogetherWithTheTarget) {
    World w;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::HostedEditor);

    w.now += kTrackingGateMs;
    w.pressOn(w.classic);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);

    w.now += kTrackingGateMs;
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
}

TEST(TargetTracker, TheGateCountsFromTheLastPressThatPassedAnywhere) {
    World w;
    w.pressOn(w.classic);
    const std::uint32_t firstPass = w.now;

    w.now += kTrackingGateMs - 1;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic) << "the second press of a quick double click";
    EXPECT_EQ(w.tracker.lastTrackTick(), firstPass);

    w.now += 1;
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.now) << "a press on any window opens a new gate";

    w.now += kTrackingGateMs - 50;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    w.now += 50;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
}

TEST(TargetTracker, GateHoldsAcrossTheCounterWrap) {
    World w;
    w.now = 0xFFFF'FFFFu - 99;
    w.pressOn(w.classic);
    w.now += kTrackingGateMs - 1;  // the counter has wrapped to 99
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    w.now += 1;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
}

// A touchpad tap, or a click made while the panel was busy: the button is up
// again long before the next tick, and other presses may come before it.
TEST(TargetTracker, PressesBetweenTicksAreTakenInOrderWithTheGate) {
    World w;
    w.pressAt(w.hosted);
    w.now += 100;
    w.pressAt(w.classic);  // inside the gate of the first
    w.now += kTrackingGateMs;
    w.pressAt(w.other);
    w.tracker.onTrackingTick();
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.now);

    w.now += kTrackingGateMs;
    w.pressAt(w.classic);
    w.tracker.onTrackingTick();
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
}

TEST(TargetTracker, PressOnTheCurrentTargetDoesNotReadItsClassAgain) {
    World w;
    w.pressOn(w.classic);
    ASSERT_EQ(w.desktop.classNameReads, 1);
    w.now += kTrackingGateMs;
    w.pressOn(w.classic);
    EXPECT_EQ(w.desktop.classNameReads, 1);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.now);
}

TEST(TargetTracker, ClosedTargetIsKeptUntilTheNextAcceptedPress) {
    World w;
    w.pressOn(w.hosted);
    w.desktop.destroy(w.hosted);
    w.now += kTrackingGateMs;
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::HostedEditor);

    w.now += kTrackingGateMs;
    w.pressOn(w.classic);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
}

}  // namespace
}  // namespace quorvane::editor_link
