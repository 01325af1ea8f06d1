#include "editor_link/target_tracker.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"

namespace quorvane::editor_link {
namespace {

using fakes::FakeClock;
using fakes::FakeDesktop;
using fakes::FakeTimer;

constexpr std::int32_t kFreshPress = -32767;  // down, pressed since the last reading, sign-extended

struct World {
    explicit World(std::uint32_t start = 1'000'000) : clock(start) {}

    // One tracking tick that sees the left button reading `reading` over `window`.
    void pressOn(WindowHandle window, std::int32_t reading = kFreshPress) {
        desktop.cursor = desktop.spotOf(window);
        desktop.keyState[vk::LeftButton] = reading;
        tracker.onTrackingTick();
        desktop.keyState[vk::LeftButton] = 0;
    }

    FakeClock clock;
    FakeDesktop desktop{&clock};
    FakeTimer& timer = clock.makeTimer();
    TargetTracker tracker{desktop, clock, timer};
    WindowHandle classic = desktop.addWindow("Afx:400000:8");
    WindowHandle hosted = desktop.addWindow("HwndWrapper[DefaultDomain;;3f2a]");
    WindowHandle other = desktop.addWindow("SysTreeView32");
};

TEST(TargetTracker, StartsWithoutTargetAndStartsItsTimer) {
    World w;
    EXPECT_EQ(w.tracker.targetEditor(), 0u);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
    EXPECT_EQ(w.tracker.lastTrackTick(), 0u);
    EXPECT_EQ(w.timer.period(), kTrackingPeriodMs);
}

TEST(TargetTracker, OnlyTwoButtonReadingsCountAsDown) {
    struct Case {
        std::int32_t reading;
        bool down;
    };
    const Case cases[] = {
        {-32767, true}, {32768, true}, {-32768, false}, {32769, false},
        {0, false},     {1, false},    {-1, false},     {0x7FFF, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reading);
        World w;
        w.pressOn(w.classic, c.reading);
        if (c.down) {
            EXPECT_EQ(w.tracker.targetEditor(), w.classic);
            EXPECT_EQ(w.tracker.lastTrackTick(), w.clock.tickCount());
        } else {
            // Button up costs one key-state read and nothing else, the gate included.
            EXPECT_EQ(w.tracker.targetEditor(), 0u);
            EXPECT_EQ(w.tracker.lastTrackTick(), 0u);
            EXPECT_EQ(w.desktop.asyncKeyReads, 1);
            EXPECT_EQ(w.desktop.classNameReads, 0);
        }
    }
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
        w.clock.advance(kTrackingGateMs);
        w.pressOn(probe);
        EXPECT_EQ(w.tracker.targetEditor(), c.kind ? probe : w.classic);
        EXPECT_EQ(w.tracker.editorKind(), c.kind.value_or(EditorKind::ClassicView));
        EXPECT_EQ(w.tracker.lastTrackTick(), w.clock.tickCount())
            << "every press that passes opens a new gate";
    }
}

TEST(TargetTracker, KindChangesTogetherWithTheTarget) {
    World w;
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::HostedEditor);

    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.classic);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);

    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
}

TEST(TargetTracker, PressesWithin200msOfTheLastPassAreIgnored) {
    World w;
    w.pressOn(w.classic);
    const std::uint32_t firstPass = w.clock.tickCount();

    w.clock.advance(kTrackingGateMs - 1);
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic) << "the second press of a quick double click";
    EXPECT_EQ(w.tracker.lastTrackTick(), firstPass);

    w.clock.advance(1);
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
}

TEST(TargetTracker, PressOnAnyWindowRestartsTheGate) {
    World w;
    w.pressOn(w.classic);
    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.clock.tickCount());

    w.clock.advance(kTrackingGateMs - 50);
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    w.clock.advance(50);
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
}

TEST(TargetTracker, GateHoldsAcrossTheCounterWrap) {
    World w(0xFFFF'FFFFu - 99);
    w.pressOn(w.classic);
    w.clock.advance(kTrackingGateMs - 1);  // the counter has wrapped to 99
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    w.clock.advance(1);
    w.pressOn(w.hosted);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
}

TEST(TargetTracker, PressOnTheCurrentTargetDoesNotReadItsClassAgain) {
    World w;
    w.pressOn(w.classic);
    ASSERT_EQ(w.desktop.classNameReads, 1);
    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.classic);
    EXPECT_EQ(w.desktop.classNameReads, 1);
    EXPECT_EQ(w.tracker.lastTrackTick(), w.clock.tickCount());
}

TEST(TargetTracker, ClosedTargetIsKeptUntilTheNextAcceptedPress) {
    World w;
    w.pressOn(w.hosted);
    w.desktop.destroy(w.hosted);
    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.other);
    EXPECT_EQ(w.tracker.targetEditor(), w.hosted);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::HostedEditor);

    w.clock.advance(kTrackingGateMs);
    w.pressOn(w.classic);
    EXPECT_EQ(w.tracker.targetEditor(), w.classic);
    EXPECT_EQ(w.tracker.editorKind(), EditorKind::ClassicView);
}

}  // namespace
}  // namespace quorvane::editor_link
