// The fake IDE against the harness alone: what later tests rely on when they
// read its log (no quorvane.exe needed).
#include "harness/e2e_test.h"

namespace quorvane::e2e {
namespace {

// Every other result depends on these: GBK as the ANSI code page, and the
// prefix's virtual desktop of the size the tests place windows on.
TEST(HarnessEnvironment, WineRunsWithTheChineseCodePageOnTheVirtualDesktop) {
    EXPECT_EQ(GetACP(), 936u) << "is the zh_CN.UTF-8 locale generated?";
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
    wchar_t desktop[64] = {};
    DWORD size = sizeof desktop;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer", L"Desktop", RRF_RT_REG_SZ, nullptr, desktop,
                 &size);
    EXPECT_STREQ(desktop, L"Default") << "no virtual desktop: focus and SendInput are unreliable without it";
}

class FakeIdeTest : public E2eTest {};

struct WindowCase {
    const char* name;
    IdeWindow window;
    IdeWindow other;
};
const WindowCase kWindows[] = {
    {"classic edit view", IdeWindow::Edit, IdeWindow::Wrapper},
    {"hosted editor", IdeWindow::Wrapper, IdeWindow::Edit},
};

TEST_F(FakeIdeTest, WindowsHaveTheClassesThePanelRecognises) {
    FakeIde& ide = startFakeIde();
    EXPECT_EQ(className(ide.edit()), "Afx:400000:8");
    EXPECT_EQ(GetAncestor(ide.edit(), GA_ROOT), ide.frame()) << "the edit view sits inside the frame";
    EXPECT_NE(className(ide.wrapper()).find("HwndWrapper"), std::string::npos) << className(ide.wrapper());
    EXPECT_EQ(GetParent(ide.wrapper()), nullptr) << "the hosted editor is a top-level window";
    // ANSI windows, so posted WM_CHAR bytes are not converted on the way.
    EXPECT_FALSE(IsWindowUnicode(ide.edit()));
    EXPECT_FALSE(IsWindowUnicode(ide.wrapper()));
}

TEST_F(FakeIdeTest, PostedCharactersArriveByteForByteInTheirWindowOnly) {
    FakeIde& ide = startFakeIde();
    // Lead byte before trail byte, bytes above 0x7f, and a line break.
    const std::string text = std::string("a").append(gbk("中文")).append("\r\n");
    for (const auto& c : kWindows) {
        SCOPED_TRACE(c.name);
        const std::string before = ide.chars(c.window);
        for (const char byte : text)
            PostMessageA(ide.window(c.window), WM_CHAR, static_cast<unsigned char>(byte), 1);
        ASSERT_TRUE(ide.waitForChars(c.window, before.size() + text.size()));
        EXPECT_EQ(hexBytes(ide.chars(c.window)), hexBytes(before + text));
    }
    // Each window got only its own characters.
    EXPECT_EQ(ide.chars(IdeWindow::Edit), text);
    EXPECT_EQ(ide.chars(IdeWindow::Wrapper), text);
}

TEST_F(FakeIdeTest, TypedKeysReachTheClickedEditor) {
    FakeIde& ide = startFakeIde();
    for (const auto& c : kWindows) {
        SCOPED_TRACE(c.name);
        const std::string otherBefore = ide.chars(c.other);
        ASSERT_TRUE(ide.clickInto(c.window));
        typeAscii("x1");
        ASSERT_TRUE(ide.waitForChars(c.window, 2));
        EXPECT_EQ(ide.chars(c.window), "x1");
        EXPECT_EQ(ide.chars(c.other), otherBefore);
    }
}

TEST_F(FakeIdeTest, CtrlVLogsTheClipboardTextAndNoControlCharacter) {
    FakeIde& ide = startFakeIde();
    for (const auto& c : kWindows) {
        SCOPED_TRACE(c.name);
        const std::string text = gbk("粘贴 paste\r\n");
        const size_t otherPastes = ide.pastes(c.other).size();
        ASSERT_TRUE(setClipboardText(text));
        ASSERT_TRUE(ide.clickInto(c.window));
        pressChord({VK_CONTROL, 'V'});
        ASSERT_TRUE(ide.waitForPastes(c.window, 1));
        const auto pastes = ide.pastes(c.window);
        ASSERT_EQ(pastes.size(), 1u);
        EXPECT_TRUE(pastes[0].hasText);
        EXPECT_EQ(hexBytes(pastes[0].bytes), hexBytes(text));
        EXPECT_EQ(ide.chars(c.window), "") << "Ctrl+V must not also arrive as a ^V character";
        EXPECT_EQ(ide.pastes(c.other).size(), otherPastes);
    }
}

TEST_F(FakeIdeTest, PasteOfAPictureFindsNoText) {
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(setClipboardPicture());
    ASSERT_FALSE(clipboardText().has_value());
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    pressChord({VK_CONTROL, 'V'});
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_FALSE(ide.pastes(IdeWindow::Edit)[0].hasText);
}

TEST_F(FakeIdeTest, PasteSentByMessageIsLoggedToo) {
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(setClipboardText("by message"));
    SendMessageW(ide.wrapper(), WM_PASTE, 0, 0);
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Wrapper, 1));
    EXPECT_EQ(ide.pastes(IdeWindow::Wrapper)[0].bytes, "by message");
}

TEST_F(FakeIdeTest, SlowPasteTakesTheClipboardLate) {
    FakeIde& ide = startFakeIde({.slowPaste = true});
    ASSERT_TRUE(setClipboardText("early"));
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    pressChord({VK_CONTROL, 'V'});
    // Replaced well within the 200 ms the slow IDE waits before it reads.
    ASSERT_TRUE(setClipboardText("late"));
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_EQ(ide.pastes(IdeWindow::Edit)[0].bytes, "late");
}

TEST(FakeIdeLog, ParsesEveryKindOfLineAndSkipsMalformedOnes) {
    const auto events = parseIdeLog(
        "ready frame=1 edit=2 wrapper=3\n"
        "click edit\n"
        "char edit d6\n"
        "char wrapper 0d\n"
        "paste wrapper 610d0a\n"
        "paste edit none\n"
        "paste edit\n"
        "char edit zz\n"
        "char other 41\n");
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, IdeEvent::Kind::Click);
    EXPECT_EQ(events[1].bytes, "\xd6");
    EXPECT_EQ(events[2].window, IdeWindow::Wrapper);
    EXPECT_EQ(events[2].bytes, "\r");
    EXPECT_EQ(events[3].bytes, "a\r\n");
    EXPECT_TRUE(events[3].hasText);
    EXPECT_FALSE(events[4].hasText);
    // An empty paste is text all the same.
    EXPECT_TRUE(events[5].hasText);
    EXPECT_EQ(events[5].bytes, "");
}

}  // namespace
}  // namespace quorvane::e2e
