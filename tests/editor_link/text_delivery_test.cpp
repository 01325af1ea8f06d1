#include "editor_link/text_delivery.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor_link/editor_link.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_text_codec.h"

namespace quorvane::editor_link {
namespace {

using fakes::FakeClipboard;
using fakes::FakeClock;
using fakes::FakeDesktop;
using fakes::FakeMessages;
using fakes::FakeTextCodec;
using fakes::FakeTimer;
using CallKind = FakeClipboard::CallKind;

// The panel and an IDE: a frame holding a classic edit view, and a hosted
// editor. The timers run on the fake clock as the message loop would run them.
struct World {
    World() {
        sendTimer.setHandler([this] { link.onSendTick(); });
        // The focused editor reads the clipboard `pasteDelayMs` after Ctrl+V;
        // a negative delay is an editor that never gets to it.
        desktop.onCtrlV = [this] {
            if (pasteDelayMs == 0) clipboard.paste();
            if (pasteDelayMs > 0) editorPastes.setPeriod(pasteDelayMs);
        };
        editorPastes.setHandler([this] {
            editorPastes.setPeriod(0);
            clipboard.paste();
        });
    }

    void clickInto(WindowHandle window) {
        clock.advance(kTrackingGateMs);
        link.leftButtonPressed(desktop.spotOf(window), clock.tickCount());
        link.onTrackingTick();
    }
    // Runs `action` `ms` from now, on the panel's thread, like a user event.
    void at(int ms, std::function<void()> action) {
        FakeTimer& event = clock.makeTimer();
        event.setHandler([&event, action = std::move(action)] {
            event.setPeriod(0);
            action();
        });
        event.setPeriod(ms);
    }
    void settle() { clock.advance(5000); }

    FakeClock clock;
    FakeDesktop desktop{&clock};
    FakeClipboard clipboard{&clock};
    FakeTextCodec codec;
    FakeMessages messages;
    FakeTimer& sendTimer = clock.makeTimer();
    FakeTimer& editorPastes = clock.makeTimer();
    EditorLink link{desktop, clipboard, clock, codec, messages, sendTimer};
    int pasteDelayMs = 0;

    WindowHandle outer = desktop.addWindow("IdeMainFrame");
    WindowHandle frame = desktop.addWindow("MDIClient", outer);
    WindowHandle classic = desktop.addWindow("Afx:400000:8", frame);
    WindowHandle hosted = desktop.addWindow("HwndWrapper[Ide;;1]", outer);
    WindowHandle bareClassic = desktop.addWindow("Afx:400000:8");
};

std::vector<std::pair<int, bool>> keyPresses(const FakeDesktop& desktop) {
    std::vector<std::pair<int, bool>> keys;
    for (const auto& k : desktop.keys) keys.emplace_back(k.virtualKey, k.down);
    return keys;
}

const std::vector<std::pair<int, bool>> kCtrlV = {
    {vk::Control, true}, {vk::V, true}, {vk::Control, false}, {vk::V, false}};

TEST(TextDelivery, WithoutLiveTargetShowsTheBoxAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(World&)> setUp;
        std::string pendingText;
        DeliveryMode deliveryMode;
        int sendPeriod;
    };
    const Case cases[] = {
        {"never clicked", [](World&) {}, "", DeliveryMode::Paste, 0},
        {"target closed",
         [](World& w) {
             w.clickInto(w.hosted);
             w.link.deliverText("old", DeliveryMode::Type);
             w.settle();
             w.desktop.destroy(w.hosted);
         },
         "old", DeliveryMode::Type, 0},
        {"target closed while a delivery waits",
         [](World& w) {
             w.clickInto(w.hosted);
             w.link.deliverText("waiting", DeliveryMode::Type);
             w.desktop.destroy(w.hosted);
         },
         "waiting", DeliveryMode::Type, kSendDelayMs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        w.clipboard.content = FakeClipboard::holding({FakeClipboard::format(FakeClipboard::kText, "mine")});
        c.setUp(w);
        const auto clipboardCalls = w.clipboard.calls.size();
        const auto keysBefore = w.desktop.keys.size();

        w.link.deliverText("new text");

        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].text, "请先点击要操作的编程窗口的编辑区域，以确定操作窗口。");
        EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(w.messages.shown[0].title, "信息：");
        EXPECT_EQ(w.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(w.link.delivery().pendingText(), c.pendingText);
        EXPECT_EQ(w.link.delivery().deliveryMode(), c.deliveryMode);
        EXPECT_EQ(w.sendTimer.period(), c.sendPeriod);
        w.settle();
        EXPECT_EQ(w.clipboard.calls.size(), clipboardCalls);
        EXPECT_EQ(w.desktop.keys.size(), keysBefore);
        EXPECT_EQ(w.desktop.postedText().find("new text"), std::string::npos);
    }
}

TEST(TextDelivery, PostCharsSendsEveryAnsiByteLeadByteFirst) {
    struct Case {
        const char* text;
        std::string bytes;
    };
    const Case cases[] = {
        {"", ""}, {"abc", "abc"}, {"\r\n", "\x0D\x0A"}, {"中文", "\xD6\xD0\xCE\xC4"}, {"a;中", "a;\xD6\xD0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        World w;
        w.link.delivery().postChars(w.classic, c.text);
        EXPECT_EQ(w.desktop.postedText(), c.bytes);
        for (const auto& p : w.desktop.posted) EXPECT_EQ(p.window, w.classic);
    }
}

TEST(TextDelivery, TypedDeliveryGoesOutOnceOnTheSendTick) {
    World w;
    w.clickInto(w.hosted);
    const std::uint32_t accepted = w.clock.tickCount();
    w.link.deliverText("x中", DeliveryMode::Type);
    EXPECT_EQ(w.sendTimer.period(), kSendDelayMs);

    w.clock.advance(kSendDelayMs - 1);
    EXPECT_TRUE(w.desktop.foregroundCalls.empty());
    w.settle();

    ASSERT_EQ(w.desktop.foregroundCalls.size(), 1u);
    EXPECT_EQ(w.desktop.foregroundCalls[0].at, accepted + kSendDelayMs);
    EXPECT_EQ(w.desktop.postedText(), "x\xD6\xD0");
    EXPECT_GT(w.desktop.posted[0].at, w.desktop.foregroundCalls[0].at + kForegroundSettleMs);
    EXPECT_EQ(w.desktop.posted[0].window, w.hosted);
    EXPECT_EQ(w.clock.waits(), std::vector<std::uint32_t>{kForegroundSettleMs});
    EXPECT_EQ(w.sendTimer.period(), 0);
    EXPECT_TRUE(w.clipboard.calls.empty());
    EXPECT_TRUE(w.desktop.keys.empty());
    // Not consumed by sending.
    EXPECT_EQ(w.link.delivery().pendingText(), "x中");
    EXPECT_EQ(w.link.delivery().deliveryMode(), DeliveryMode::Type);
}

TEST(TextDelivery, BringsForwardTheRightWindow) {
    struct Case {
        const char* name;
        WindowHandle World::*target;
        WindowHandle World::*ancestor;  // nullptr: none
        WindowHandle World::*front;     // nullptr: no SetForegroundWindow
    };
    const Case cases[] = {
        {"hosted editor itself", &World::hosted, &World::outer, &World::hosted},
        {"classic view through its outermost ancestor", &World::classic, &World::outer, &World::outer},
        {"classic view without parent: not at all", &World::bareClassic, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        w.clickInto(w.*c.target);
        EXPECT_EQ(w.link.delivery().outermostAncestor(), c.ancestor ? w.*c.ancestor : 0);
        w.link.deliverText("go", DeliveryMode::Type);
        w.settle();
        if (c.front) {
            ASSERT_EQ(w.desktop.foregroundCalls.size(), 1u);
            EXPECT_EQ(w.desktop.foregroundCalls[0].window, w.*c.front);
        } else {
            EXPECT_TRUE(w.desktop.foregroundCalls.empty());
        }
        EXPECT_EQ(w.desktop.postedText(), "go") << "the delivery goes on either way";
    }
}

TEST(TextDelivery, PasteLeavesTheUsersClipboardAsItWas) {
    using F = FakeClipboard;
    struct Case {
        const char* name;
        ClipboardSnapshot before;
    };
    const Case cases[] = {
        {"text", F::holding({F::format(F::kText, "user text")})},
        {"a picture only", F::holding({F::format(F::kBitmap, "\x01\x02\x03")})},
        {"text and picture", F::holding({F::format(F::kBitmap, "\x09"), F::format(F::kText, "both")})},
        {"empty: stays empty, not an empty text", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        w.clipboard.content = c.before;
        w.clickInto(w.classic);
        w.link.deliverText("while()\r\n{\r\n\t\r\n}\r\n");
        w.settle();
        EXPECT_EQ(w.clipboard.pastes, std::vector<std::string>{"while()\r\n{\r\n\t\r\n}\r\n"});
        EXPECT_EQ(w.clipboard.content, c.before);
        EXPECT_EQ(w.clipboard.putBackOnExit, c.before) << "what a program ending mid-paste leaves";
        EXPECT_EQ(keyPresses(w.desktop), kCtrlV);
        EXPECT_TRUE(w.desktop.posted.empty());
    }
}

TEST(TextDelivery, PasteStepsKeepTheirOrderAndWaits) {
    World w;
    w.clickInto(w.classic);
    w.link.deliverText("p");
    w.settle();

    ASSERT_EQ(w.clipboard.calls.size(), 3u);
    EXPECT_EQ(w.clipboard.calls[0].kind, CallKind::Save);
    EXPECT_EQ(w.clipboard.calls[1].kind, CallKind::Offer);
    EXPECT_EQ(w.clipboard.calls[2].kind, CallKind::Restore);
    const std::uint32_t front = w.desktop.foregroundCalls.at(0).at;
    const std::uint32_t offered = w.clipboard.calls[1].at;
    const std::uint32_t pressed = w.desktop.keys.at(0).at;
    EXPECT_GT(offered, front + kForegroundSettleMs);
    EXPECT_GT(pressed, offered + kPasteSettleMs);
    for (const auto& k : w.desktop.keys) EXPECT_EQ(k.at, pressed) << "the four key events go together";
    EXPECT_GT(w.clipboard.calls[2].at, pressed + kPasteSettleMs);
    EXPECT_EQ(w.clock.waits(),
              (std::vector<std::uint32_t>{kForegroundSettleMs, kPasteSettleMs, kPasteSettleMs}));
}

TEST(TextDelivery, RestoresOnlyAfterTheEditorTookTheText) {
    struct Case {
        int pasteDelayMs;  // -1: the editor never asks
        std::vector<std::string> pastes;
    };
    const Case cases[] = {
        {0, {"text"}},
        {35, {"text"}},
        {300, {"text"}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasteDelayMs);
        World w;
        w.pasteDelayMs = c.pasteDelayMs;
        w.clipboard.content = FakeClipboard::holding({FakeClipboard::format(FakeClipboard::kText, "user")});
        w.clickInto(w.hosted);
        w.link.deliverText("text");
        w.settle();

        EXPECT_EQ(w.clipboard.pastes, c.pastes) << "a slow editor still gets the offered text";
        const std::uint32_t pressed = w.desktop.keys.at(0).at;
        const std::uint32_t restored = w.clipboard.lastTime(CallKind::Restore).value();
        EXPECT_EQ(w.clipboard.count(CallKind::Restore), 1);
        EXPECT_GT(restored, pressed + kPasteSettleMs) << "the settle wait stays a minimum";
        const std::uint32_t expectedFrom = c.pasteDelayMs < 0 ? kPasteFallbackMs : c.pasteDelayMs;
        EXPECT_GE(restored, pressed + expectedFrom);
        EXPECT_LE(restored, pressed + std::max(expectedFrom, kPasteSettleMs) + kPastePollMs + 2);
        for (std::size_t i = 1; i < w.clock.waits().size(); ++i) EXPECT_EQ(w.clock.waits()[i], kPastePollMs);
        EXPECT_EQ(w.clipboard.content,
                  FakeClipboard::holding({FakeClipboard::format(FakeClipboard::kText, "user")}));
    }
}

TEST(TextDelivery, ClipboardThatCannotBeOpenedSkipsTheKeyPress) {
    World w;
    w.clipboard.content = FakeClipboard::holding({FakeClipboard::format(FakeClipboard::kText, "user")});
    w.clipboard.openFails = true;
    w.clickInto(w.classic);
    w.link.deliverText("lost");
    w.settle();
    // Ctrl+V now would paste the user's own text into the editor.
    EXPECT_TRUE(w.desktop.keys.empty());
    EXPECT_EQ(w.clipboard.count(CallKind::Restore), 0);
    EXPECT_EQ(w.clipboard.content,
              FakeClipboard::holding({FakeClipboard::format(FakeClipboard::kText, "user")}));
    EXPECT_EQ(w.sendTimer.period(), 0);
}

TEST(TextDelivery, SecondDeliveryWithin20msReplacesTheFirst) {
    World w;
    w.clickInto(w.classic);
    w.link.deliverText("first");
    w.clock.advance(kSendDelayMs / 2);
    w.link.deliverText("second", DeliveryMode::Type);
    w.settle();
    EXPECT_EQ(w.desktop.postedText(), "second");
    EXPECT_TRUE(w.clipboard.calls.empty()) << "sent in the second delivery's mode";
    EXPECT_EQ(w.desktop.foregroundCalls.size(), 1u);
}

TEST(TextDelivery, DeliveryDuringASendArrivesOnceAfterIt) {
    World w;
    w.clickInto(w.hosted);
    w.link.deliverText("one", DeliveryMode::Type);
    // Inside the running send's 20 ms wait after SetForegroundWindow.
    w.at(kSendDelayMs + 10, [&w] { w.link.deliverText("two", DeliveryMode::Type); });
    w.settle();

    ASSERT_EQ(w.desktop.postedText(), "onetwo");
    ASSERT_EQ(w.desktop.foregroundCalls.size(), 2u);
    EXPECT_GE(w.desktop.foregroundCalls[1].at, w.desktop.posted[2].at) << "not nested in the first send";
    EXPECT_EQ(w.sendTimer.period(), 0);
    EXPECT_EQ(w.link.delivery().pendingText(), "two");
}

TEST(TextDelivery, DeliveriesDuringASlowPasteKeepTheirOrder) {
    World w;
    w.pasteDelayMs = 300;
    w.clickInto(w.classic);
    w.link.deliverText("one");
    w.at(100, [&w] { w.link.deliverText("two", DeliveryMode::Type); });
    w.at(150, [&w] { w.link.deliverText("three"); });
    w.settle();

    EXPECT_EQ(w.clipboard.pastes, (std::vector<std::string>{"one", "three"}));
    ASSERT_EQ(w.desktop.postedText(), "two");
    ASSERT_EQ(w.clipboard.calls.size(), 6u);
    EXPECT_EQ(w.clipboard.calls[2].kind, CallKind::Restore);
    EXPECT_EQ(w.clipboard.calls[4].kind, CallKind::Offer);
    const std::uint32_t firstRestore = w.clipboard.calls[2].at;
    const std::uint32_t secondOffer = w.clipboard.calls[4].at;
    EXPECT_GT(w.desktop.posted[0].at, firstRestore);
    EXPECT_GT(secondOffer, w.desktop.posted[2].at);
    EXPECT_EQ(w.desktop.foregroundCalls.size(), 3u);
    EXPECT_EQ(w.sendTimer.period(), 0);
}

}  // namespace
}  // namespace quorvane::editor_link
