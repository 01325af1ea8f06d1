// The "插入(&C)" menu end to end: each statement template and two of the
// declaration builders, pasted into the fake IDE's classic edit view.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "harness/delivery_driver.h"
#include "harness/e2e_test.h"
#include "harness/steady_pointer.h"
#include "shell/menu_layout.h"
#include "templates/builder_forms.h"

namespace quorvane::e2e {
namespace {

using shell::MenuCommand;
namespace ids = templates::builder_ids;

// The panel up and the fake IDE's edit view chosen as the target.
class TemplatesTest : public E2eTest {
protected:
    void SetUp() override {
        panel_ = startPanel();
        ASSERT_NE(panel_, nullptr);
        ide_ = &startFakeIde();
        ASSERT_TRUE(ide_->clickInto(IdeWindow::Edit));
    }

    // Waits for one more paste into the edit view and returns its bytes.
    std::string nextPaste() {
        const size_t before = pastesSeen_;
        if (!ide_->waitForPastes(IdeWindow::Edit, before + 1)) return "(no paste)";
        const auto pastes = ide_->pastes(IdeWindow::Edit);
        pastesSeen_ = pastes.size();
        if (pastes.size() != before + 1) return "(more than one paste)";
        return pastes.back().hasText ? pastes.back().bytes : "(paste without text)";
    }

    // Opens a builder by its shortcut with the panel in front, as a user would.
    HWND openBuilder(char key, const char* caption) {
        if (!bringToFront(panel_)) return nullptr;
        pressChord({VK_CONTROL, static_cast<WORD>(key)});
        const HWND dialog = waitForDialog(app(), caption);
        if (dialog == nullptr) return nullptr;
        // Modal over the panel.
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), panel_) << caption;
        EXPECT_FALSE(IsWindowEnabled(panel_)) << caption;
        return dialog;
    }

    SteadyPointer pointer_;  // so that the panel sees each press where it lands
    HWND panel_ = nullptr;
    FakeIde* ide_ = nullptr;
    size_t pastesSeen_ = 0;
};

struct TemplateCase {
    const char* item;
    MenuCommand command;
    std::string text;
};

// Written out here, not taken from the program: these bytes are the contract.
const std::vector<TemplateCase> kTemplates = {
    {"while", MenuCommand::LoopWhile, "while()\r\n{\r\n\t\r\n}\r\n"},
    {"for", MenuCommand::LoopFor, "for(int i=0;i<;i++)\r\n{\r\n\t\r\n}\r\n"},
    {"do while", MenuCommand::LoopDoWhile, "do()\r\n{\r\n\t\r\n}while();\r\n"},
    {"for each", MenuCommand::LoopForEach, "for each()\r\n{\r\n\t\r\n}\r\n"},
    {"if", MenuCommand::ConditionIf, "if()\r\n{\r\n\t\r\n}\r\n"},
    {"if…else", MenuCommand::ConditionIfElse, "if()\r\n{\r\n\t\r\n}\r\nelse\r\n{\r\n\t\r\n}\r\n"},
    {"if…else if", MenuCommand::ConditionIfElseIf,
     "if()\r\n{\r\n\t\r\n}\r\nelse if()\r\n{\r\n\t\t\r\n}\r\nelse\r\n{\r\n\t\t\r\n}\r\n"},
    {"switch", MenuCommand::ConditionSwitch,
     "switch()\r\n{\r\ncase :\r\n\t\r\n\tbreak\r\ncase :\r\n\t\r\n\tbreak\r\ncase :\r\n\t\r\n\tbreak\r\n"
     "default:\r\n\t\r\n}\r\n"},
};

// Each template is pasted byte for byte, and the text the user had on the
// clipboard before is back afterwards.
TEST_F(TemplatesTest, EveryStatementTemplateIsPastedAndTheClipboardTextComesBack) {
    for (const TemplateCase& c : kTemplates) {
        SCOPED_TRACE(c.item);
        const std::string users = gbk("剪贴板 ") + c.item;
        ASSERT_TRUE(setClipboardText(users));
        chooseMenuCommand(panel_, shell::commandId(c.command));
        EXPECT_EQ(hexBytes(nextPaste()), hexBytes(c.text));
        // Restored once the editor has taken the text; the next case must not start before.
        ASSERT_TRUE(waitUntil([&] { return clipboardText() == users; }))
            << "clipboard holds " << hexBytes(clipboardText().value_or("(none)"));
    }
    EXPECT_EQ(ide_->chars(IdeWindow::Edit), "") << "a template was typed, not pasted";
}

// The real menu, by keyboard: Alt+C, down to "循环", into it, down to "for".
TEST_F(TemplatesTest, ForChosenThroughTheMenuBarByKeyboardIsPasted) {
    ASSERT_TRUE(bringToFront(panel_));
    pressAlt('C');
    ASSERT_NE(app().waitForPopupMenu(), nullptr) << "Alt+C opened no menu";
    // Opened by keyboard, the menu starts on its first item, "函数".
    for (int i = 0; i < 4; ++i) pressKey(VK_DOWN);
    pressKey(VK_RIGHT);
    WindowMatch popups;
    popups.processId = app().process().id();
    popups.className = kPopupMenuClass;
    ASSERT_TRUE(waitUntil([&] { return topLevelWindows(popups).size() == 2; })) << "no submenu opened";
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);

    EXPECT_EQ(hexBytes(nextPaste()), hexBytes("for(int i=0;i<;i++)\r\n{\r\n\t\r\n}\r\n"));
    EXPECT_TRUE(topLevelWindows(popups).empty()) << "the menu stayed open";
}

struct BuilderCase {
    const char* caption;
    char shortcut;
    int typeList;
    const char* defaultType;
    const char* type;
    std::vector<std::pair<int, const char*>> fields;
    std::string text;
};

// Each dialog's wiring once: its shortcut, its fields, and OK pasting the
// built text after the dialog has closed. The rules are tested natively.
TEST_F(TemplatesTest, BuildersOpenedByTheirShortcutsPasteWhatTheirFieldsSay) {
    const std::vector<BuilderCase> cases = {
        {"插入子程序",
         'H',
         ids::FunctionReturnType,
         "void",
         "int",
         {{ids::FunctionName, "f"}, {ids::FunctionParameters, "int a"}},
         "int f(int a)\r\n{\r\n\t\r\n}\r\n"},
        {"插入变量",
         'B',
         ids::VariableType,
         "int",
         "char",
         {{ids::VariableName, "c"}, {ids::VariableValue, "x"}},
         "char c=\"x\";\r\n"},
    };
    for (const BuilderCase& c : cases) {
        SCOPED_TRACE(c.caption);
        const HWND dialog = openBuilder(c.shortcut, c.caption);
        ASSERT_NE(dialog, nullptr) << "Ctrl+" << c.shortcut << " opened no dialog";
        const HWND types = GetDlgItem(dialog, c.typeList);
        EXPECT_EQ(windowText(types), c.defaultType) << "type selected at opening";
        ASSERT_TRUE(selectListEntry(types, c.type));
        for (const auto& [id, text] : c.fields)
            SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(widen(text).c_str()));
        ASSERT_TRUE(clickDialogButton(dialog, ids::Ok));

        // The paste is seen first, then the dialog asked about: if it were
        // still there, it was there when the text arrived.
        bool openAtPaste = false;
        ASSERT_TRUE(ide_->waitForEvents([&](const std::vector<IdeEvent>& events) {
            const auto pastes = std::count_if(events.begin(), events.end(), [](const IdeEvent& e) {
                return e.kind == IdeEvent::Kind::Paste && e.window == IdeWindow::Edit;
            });
            if (static_cast<size_t>(pastes) == pastesSeen_) return false;
            openAtPaste = IsWindow(dialog) && IsWindowVisible(dialog);
            return true;
        }));
        EXPECT_FALSE(openAtPaste) << "pasted before the dialog closed";
        EXPECT_EQ(hexBytes(nextPaste()), hexBytes(c.text));
        EXPECT_TRUE(IsWindowEnabled(panel_));
    }
}

}  // namespace
}  // namespace quorvane::e2e
