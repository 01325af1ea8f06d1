// The editor link end to end: which window receives the text, the message
// without a target, and the user's clipboard around a paste.
#include <string>

#include "harness/delivery_driver.h"
#include "harness/e2e_test.h"
#include "harness/steady_pointer.h"
#include "shell/menu_layout.h"
#include "templates/builder_forms.h"

namespace quorvane::e2e {
namespace {

using shell::MenuCommand;

const std::string kWhile = "while()\r\n{\r\n\t\r\n}\r\n";
const std::string kIf = "if()\r\n{\r\n\t\r\n}\r\n";

class DeliveryTest : public E2eTest {
protected:
    // So that the panel sees each press where it lands.
    SteadyPointer pointer_;

    void insertWhile() { chooseMenuCommand(app().panel(), shell::commandId(MenuCommand::LoopWhile)); }

    static std::string onlyPaste(FakeIde& ide, IdeWindow window) {
        const auto pastes = ide.pastes(window);
        if (pastes.size() != 1) return std::to_string(pastes.size()) + " pastes";
        return pastes.front().hasText ? pastes.front().bytes : "(paste without text)";
    }
};

// Before any click into the editor both kinds of sender show the message,
// and the clipboard keeps what the user had put there.
TEST_F(DeliveryTest, WithoutATargetTheMessageIsShownAndTheClipboardIsLeftAlone) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    FakeIde& ide = startFakeIde();  // running, but never clicked into
    const std::string users = gbk("用户的文字");
    ASSERT_TRUE(setClipboardText(users));

    const auto expectMessageAndClose = [&] {
        // By its title: a closing builder is a dialog of the same class.
        const HWND box = waitForDialog(app(), "信息：");
        ASSERT_NE(box, nullptr) << "no message titled 信息：";
        const MessageBoxView view = readMessageBox(box);
        EXPECT_EQ(view.text, "请先点击要操作的编程窗口的编辑区域，以确定操作窗口。");
        EXPECT_TRUE(view.hasIcon);
        EXPECT_EQ(view.buttons.size(), 1u) << "OK only";
        // The panel's own: no taskbar button, over the panel, the panel active again after it.
        EXPECT_EQ(GetWindow(box, GW_OWNER), panel);
        EXPECT_EQ(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        const ScreenRect boxRect = windowRect(box);
        const ScreenRect panelRect = windowRect(panel);
        EXPECT_NEAR(boxRect.center().y, panelRect.center().y, 1) << "placed over the panel";
        EXPECT_TRUE(boxRect.left < panelRect.left + panelRect.width && panelRect.left < boxRect.left + boxRect.width)
            << "placed over the panel";
        ASSERT_TRUE(clickDialogButton(box, IDOK));
        ASSERT_TRUE(waitForGone(box));
        EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == panel; })) << "the panel is active again";
    };

    {
        SCOPED_TRACE("statement template");
        insertWhile();
        expectMessageAndClose();
        ASSERT_FALSE(HasFatalFailure());
    }
    {
        SCOPED_TRACE("builder");
        ASSERT_TRUE(bringToFront(panel));
        pressChord({VK_CONTROL, 'S'});
        const HWND dialog = waitForDialog(app(), "插入数据类型");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(clickDialogButton(dialog, templates::builder_ids::Ok));
        expectMessageAndClose();
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_FALSE(IsWindow(dialog)) << "the dialog closes all the same";
    }

    // Long after a send timer would have fired had either delivery started one.
    EXPECT_EQ(hexBytes(clipboardText().value_or("(no text)")), hexBytes(users));
    EXPECT_TRUE(ide.events().empty()) << "something reached the editor";
}

// A tap is over before any timer could look at the button; the mouse hook
// still sees it, so the editor tapped into receives the text.
TEST_F(DeliveryTest, AnEditorTappedIntoReceivesTheTemplate) {
    ASSERT_NE(startPanel(), nullptr);
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(ide.tapInto(IdeWindow::Wrapper));
    insertWhile();
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Wrapper, 1));
    EXPECT_EQ(hexBytes(onlyPaste(ide, IdeWindow::Wrapper)), hexBytes(kWhile));
    EXPECT_TRUE(ide.pastes(IdeWindow::Edit).empty());
}

// The panel closed in the middle of a paste: the editor that asks late gets
// what the user had on the clipboard, and it stays there, never emptied.
TEST_F(DeliveryTest, ClosingThePanelDuringAPasteLeavesTheUsersClipboard) {
    ASSERT_NE(startPanel(), nullptr);
    FakeIde& ide = startFakeIde({.slowPaste = true});
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    const std::string users = "the user's own text";
    ASSERT_TRUE(setClipboardText(users));

    insertWhile();
    // The offer stands once the panel owns the clipboard; the slow editor asks 200 ms after Ctrl+V.
    ASSERT_TRUE(waitUntil([&] { return GetClipboardOwner() == app().panel(); }));
    ASSERT_TRUE(app().closePanel());
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_EQ(onlyPaste(ide, IdeWindow::Edit), users);
    EXPECT_EQ(clipboardText(), users);
}

// A picture alone on the clipboard comes back alone: no text is left behind.
TEST_F(DeliveryTest, APictureOnTheClipboardComesBackUnchangedAndWithoutText) {
    ASSERT_NE(startPanel(), nullptr);
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    ASSERT_TRUE(setClipboardPicture());
    const auto picture = clipboardData(CF_DIB);
    ASSERT_TRUE(picture.has_value());

    insertWhile();
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_EQ(hexBytes(onlyPaste(ide, IdeWindow::Edit)), hexBytes(kWhile));
    // The paste took the picture off the clipboard; it comes back after.
    ASSERT_TRUE(waitUntil([] { return clipboardHasFormat(CF_DIB); })) << clipboardFormatList();
    EXPECT_EQ(hexBytes(clipboardData(CF_DIB).value_or("")), hexBytes(*picture));
    for (const UINT text : {CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT})
        EXPECT_FALSE(clipboardHasFormat(text)) << "format " << text << " in " << clipboardFormatList();
}

// An editor that reads the clipboard 200 ms after Ctrl+V still gets the
// template, not the text the user had there, and the user's text comes back.
TEST_F(DeliveryTest, ASlowEditorPastesTheTemplateNotTheUsersText) {
    ASSERT_NE(startPanel(), nullptr);
    FakeIde& ide = startFakeIde({.slowPaste = true});
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    const std::string users = "old clipboard text";
    ASSERT_TRUE(setClipboardText(users));

    insertWhile();
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_EQ(hexBytes(onlyPaste(ide, IdeWindow::Edit)), hexBytes(kWhile));
    EXPECT_TRUE(waitUntil([&] { return clipboardText() == users; }))
        << hexBytes(clipboardText().value_or("(no text)"));
}

// The window last clicked into receives the text, whichever of the two kinds
// it is: first the hosted editor, then the classic view again.
TEST_F(DeliveryTest, TheEditorClickedLastReceivesTheTemplate) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    FakeIde& ide = startFakeIde();

    ASSERT_TRUE(ide.clickInto(IdeWindow::Wrapper));
    const DWORD released = GetTickCount();
    insertWhile();
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Wrapper, 1));
    EXPECT_EQ(hexBytes(onlyPaste(ide, IdeWindow::Wrapper)), hexBytes(kWhile));
    EXPECT_TRUE(ide.pastes(IdeWindow::Edit).empty());

    // The product ignores a press within 200 ms of the last one it took.
    ASSERT_TRUE(waitForClickGate(released));
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    chooseMenuCommand(panel, shell::commandId(MenuCommand::ConditionIf));
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    EXPECT_EQ(hexBytes(onlyPaste(ide, IdeWindow::Edit)), hexBytes(kIf));
    EXPECT_EQ(ide.pastes(IdeWindow::Wrapper).size(), 1u);
}

}  // namespace
}  // namespace quorvane::e2e
