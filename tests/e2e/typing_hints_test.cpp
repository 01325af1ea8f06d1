// Typing hints end to end: keys typed into the fake IDE with SendInput reach
// the panel's keyboard hook, the hint popup appears beside the caret, and a
// digit types the rest of a hint. The key table's permutations are native.
#include <string>

#include "harness/e2e_test.h"
#include "harness/steady_pointer.h"

namespace quorvane::e2e {
namespace {

constexpr char kPopupClass[] = "QuorvaneHintPopup";

// "GETW" lists GetWindowRect, then GetWindowText.
class TypingHintsTest : public E2eTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            seedLibrary(app().libraryPath(), {"INSERT INTO 命令表(命令, 说明) VALUES ('GetWindowText', ''), "
                                              "('GetWindowRect', ''), ('GetDC', '')"}));
        app().seedSettings("[xitong]\r\nmlts=真\r\n");
        ASSERT_NE(startPanel(), nullptr);
        ide_ = &startFakeIde(ideOptions());
        WindowMatch popup;
        popup.processId = app().process().id();
        popup.className = kPopupClass;
        popup_ = waitForTopLevel(popup);
        ASSERT_NE(popup_, nullptr) << "the popup is loaded at start-up";
        ASSERT_EQ(alpha(), 0) << "and transparent";
        ASSERT_TRUE(ide_->clickInto(IdeWindow::Edit));
    }

    virtual FakeIdeOptions ideOptions() const { return {}; }

    int alpha() const {
        BYTE value = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(popup_, nullptr, &value, &flags) || (flags & LWA_ALPHA) == 0)
            return -1;
        return value;
    }
    bool waitForAlpha(int wanted) const {
        return waitUntil([&] { return alpha() == wanted; });
    }
    // The edit view's caret on the screen, read without touching its thread.
    POINT editCaret() const {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        POINT caret{-1, -1};
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(ide_->edit(), nullptr), &thread) ||
            thread.hwndCaret != ide_->edit())
            return caret;
        caret = {thread.rcCaret.left, thread.rcCaret.top};
        ClientToScreen(ide_->edit(), &caret);
        return caret;
    }
    // Types `text` and waits until the editor has it all and has handled it:
    // the fake IDE logs a character as it begins to handle it, and answers a
    // sent message only once it is done.
    bool typeInto(IdeWindow window, const std::string& text) {
        const size_t before = ide_->chars(window).size();
        typeAscii(text);
        DWORD_PTR ignored = 0;
        return ide_->waitForChars(window, before + text.size()) &&
               SendMessageTimeoutW(ide_->window(window), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0;
    }

    SteadyPointer pointer_;  // so that the panel sees the click where it lands
    FakeIde* ide_ = nullptr;
    HWND popup_ = nullptr;
};

TEST_F(TypingHintsTest, TheListAppearsBesideTheCaretAndADigitTypesTheRestOfAHint) {
    ASSERT_TRUE(typeInto(IdeWindow::Edit, "get"));
    ASSERT_TRUE(waitForAlpha(255)) << "alpha " << alpha();
    const POINT caret = editCaret();
    // A capital takes Shift, which the hook lets through untouched.
    ASSERT_TRUE(typeInto(IdeWindow::Edit, "W"));

    // Placed at the caret as it was when the hook saw the last letter.
    ASSERT_TRUE(waitUntil([&] { return windowRect(popup_).left == caret.x + 10; })) << windowRect(popup_);
    const ScreenRect rect = windowRect(popup_);
    EXPECT_EQ(rect.top, caret.y + 20);
    EXPECT_EQ(rect.width, 160);
    EXPECT_EQ(rect.height, 176);
    EXPECT_EQ(alpha(), 255);

    // Shown without taking the focus, above the IDE, and with no taskbar
    // button: a tool window, owned by a window that is never shown.
    EXPECT_EQ(GetForegroundWindow(), ide_->frame());
    const LONG_PTR style = GetWindowLongPtrW(popup_, GWL_EXSTYLE);
    EXPECT_NE(style & WS_EX_TOPMOST, 0);
    EXPECT_NE(style & WS_EX_TOOLWINDOW, 0);
    const HWND owner = GetWindow(popup_, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));

    pressKey('1');
    ASSERT_TRUE(ide_->waitForChars(IdeWindow::Edit, std::string("getWindowText").size()));
    ASSERT_TRUE(typeInto(IdeWindow::Edit, ";"));
    EXPECT_EQ(ide_->chars(IdeWindow::Edit), "getWindowText;") << "the 1 never reached the editor";
    EXPECT_TRUE(waitForAlpha(0));
}

TEST_F(TypingHintsTest, EscHidesTheListAndNeverReachesTheEditor) {
    ASSERT_TRUE(typeInto(IdeWindow::Edit, "ge"));
    ASSERT_TRUE(waitForAlpha(255));
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitForAlpha(0));
    ASSERT_TRUE(typeInto(IdeWindow::Edit, "x"));
    EXPECT_EQ(ide_->chars(IdeWindow::Edit), "gex");
}

TEST_F(TypingHintsTest, EnterTypesTheSemicolonBeforeTheLineBreak) {
    pressKey(VK_RETURN);
    ASSERT_TRUE(ide_->waitForChars(IdeWindow::Edit, 2));
    EXPECT_EQ(hexBytes(ide_->chars(IdeWindow::Edit)), hexBytes(";\r"));
}

// A busy IDE still has keys typed just before Enter waiting in line: the ";"
// goes in behind them, never between.
class TypingHintsBusyIdeTest : public TypingHintsTest {
protected:
    FakeIdeOptions ideOptions() const override { return {.slowKeys = true}; }
};

TEST_F(TypingHintsBusyIdeTest, TheSemicolonComesAfterTheKeysTypedBeforeEnter) {
    typeAscii("xyz");
    pressKey(VK_RETURN);
    ASSERT_TRUE(ide_->waitForChars(IdeWindow::Edit, 5));
    EXPECT_EQ(hexBytes(ide_->chars(IdeWindow::Edit)), hexBytes("xyz;\r"));
}

// The IDE's hosted editor gets the focus without a click: the target is
// still the classic view, so nothing of the hints happens.
TEST_F(TypingHintsTest, TypingIntoAnotherWindowOfTheIdeDoesNothing) {
    ASSERT_TRUE(bringToFront(ide_->wrapper()));
    ASSERT_TRUE(typeInto(IdeWindow::Wrapper, "getw1\r"));
    EXPECT_EQ(ide_->chars(IdeWindow::Wrapper), "getw1\r");
    EXPECT_EQ(alpha(), 0);
    EXPECT_EQ(ide_->chars(IdeWindow::Edit), "");
}

}  // namespace
}  // namespace quorvane::e2e
