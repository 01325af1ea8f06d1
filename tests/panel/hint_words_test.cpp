// Hint words on the whole panel: entered one at a time in the entry window,
// imported from a file chosen in the open-file dialog, and the starter set a
// new library is made with.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "hints/hint_entry_window.h"
#include "hints/hint_table.h"
#include "panel_world.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
namespace ids = hints::hint_entry_ids;
using Rows = std::vector<std::vector<std::string>>;

Rows hintRows(PanelWorld& w) {
    Rows cells;
    w.db.ReadTable(cells, hints::kHintTable, {"命令", "说明"}, "1=1 order by ID");
    return cells;
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// One press of "确定" in the entry window, on a library holding "abc".
TEST(HintEntryWindow, OkWithWhatTheUserTyped) {
    const struct {
        const char* name;
        std::string word;
        std::string description;
        bool libraryClosed;
        const char* message;  // nullptr: none
        Rows added;
    } cases[] = {
        {"an empty word does nothing", "", "说明", false, nullptr, {}},
        {"a new word with its description", "GetDC", "取设备场景", false, nullptr, {{"GetDC", "取设备场景"}}},
        {"a word without description", "GetDC", "", false, nullptr, {{"GetDC", ""}}},
        {"the same word in another case", "ABC", "", false, hints::kHintExistsText, {}},
        {"apostrophes in word and description", "it's", "operator' or 'x'='x", false, nullptr,
         {{"it's", "operator' or 'x'='x"}}},
        {"a statement in the word stays text", "x' or '1'='1", "", false, nullptr, {{"x' or '1'='1", ""}}},
        {"the box takes 100 characters of a longer word", repeated("字", 120), "", false, nullptr,
         {{repeated("字", 100), ""}}},
        {"a closed library", "GetDC", "", true, hints::kHintAddFailedText, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PanelWorld w;
        w.rows.hint("abc");
        ASSERT_TRUE(w.start());
        if (c.libraryClosed) w.panel->lifecycle().commandDb().Close();
        w.forms.users.push_back([&](fakes::FakeForm& form) {
            form.type(ids::WordBox, c.word);
            form.type(ids::DescriptionBox, c.description);
            form.click(ids::Ok);
        });
        w.menu(MenuCommand::AddCommandHint);

        Rows expected{{"abc", ""}};
        expected.insert(expected.end(), c.added.begin(), c.added.end());
        EXPECT_EQ(hintRows(w), expected);
        ASSERT_EQ(w.forms.last.size(), 1u);
        const auto& form = w.forms.last[0];
        EXPECT_FALSE(form.closedByProgram) << "the window stays open";
        if (c.message != nullptr) {
            ASSERT_EQ(w.messages.shown.size(), 1u);
            EXPECT_EQ(w.messages.shown[0].text, c.message);
            EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::None);
        } else {
            EXPECT_TRUE(w.messages.shown.empty());
        }
        // Stored: both boxes empty for the next word. Not stored: they keep what was typed.
        const bool stored = !c.added.empty();
        EXPECT_EQ(form.controls.at(ids::WordBox).text.empty(), stored || c.word.empty());
        EXPECT_EQ(form.controls.at(ids::DescriptionBox).text.empty(), stored || c.description.empty());
    }
}

TEST(HintEntryWindow, SeveralWordsInARowTheFocusBackInTheWordBoxEachTime) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    std::vector<int> focusAfterEach;
    w.forms.users.push_back([&](fakes::FakeForm& form) {
        for (const char* word : {"abc", "def", "abc"}) {
            form.focus = 0;
            form.type(ids::WordBox, word);
            form.pressEnter();
            focusAfterEach.push_back(form.focus);
        }
    });
    w.menu(MenuCommand::AddCommandHint);

    EXPECT_EQ(hintRows(w), (Rows{{"abc", ""}, {"def", ""}}));
    EXPECT_EQ(focusAfterEach, (std::vector<int>{ids::WordBox, ids::WordBox, 0}));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, hints::kHintExistsText);
}

TEST(HintEntryWindow, TheDesignedWindow) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.menu(MenuCommand::AddCommandHint);
    ASSERT_EQ(w.forms.opened.size(), 1u);
    const FormLayout& layout = w.forms.opened[0];
    EXPECT_EQ(layout.caption, "") << "no title text";
    EXPECT_EQ(layout.width, 338);
    EXPECT_EQ(layout.height, 200);
    std::vector<std::string> texts;
    for (const FormControl& control : layout.controls) {
        texts.push_back(control.text);
        if (control.kind == FormControlKind::Edit) {
            EXPECT_EQ(control.maxLength, 100);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"命令名称：", "", "命令说明：", "", "命令说明框可以不填", "确定", "取消"}));
    EXPECT_EQ(layout.controls.back().id, kCloseFormId) << "取消 closes without storing";
}

class ImportWorld : public PanelWorld {
public:
    ImportWorld() {
        rows.hint("GetDC");
        EXPECT_TRUE(start());
    }
    // The user picks a file holding `bytes` in the open-file dialog.
    void importFile(const std::string& bytes) {
        const std::filesystem::path file = dir / "提示.txt";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        fileDialogs.choices.push_back(file);
        menu(MenuCommand::ImportCommandHints);
    }
};

TEST(HintImportMenu, TheChosenFileIsImportedAndTheCountsAreShown) {
    ImportWorld w;
    w.importFile("getdc\nstrlen\tstring.h\n\nmemcpy\n");
    EXPECT_EQ(hintRows(w), (Rows{{"GetDC", ""}, {"strlen", "string.h"}, {"memcpy", ""}}));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "已导入 2 个命令提示，跳过 2 个（1 个重复，1 个空行）");
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(w.messages.shown[0].title, "导入命令提示");
    EXPECT_EQ(w.fileDialogs.lastFilters.at(0).pattern, "*.txt");
}

TEST(HintImportMenu, ARefusedFileIsToldAndChangesNothing) {
    ImportWorld w;
    w.importFile("strlen\n" + std::string(101, 'x') + "\n");
    EXPECT_EQ(hintRows(w), (Rows{{"GetDC", ""}}));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "第 2 行的命令或说明超过 100 个字符，没有导入任何命令提示");
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Warning);
}

TEST(HintImportMenu, ACancelledDialogDoesNothing) {
    ImportWorld w;
    w.menu(MenuCommand::ImportCommandHints);
    EXPECT_EQ(w.fileDialogs.titles.size(), 1u);
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(hintRows(w), (Rows{{"GetDC", ""}}));
}

// The fake program carries GetWindowTextA, GetWindowTextW and strlen.
TEST(StarterHints, OnlyALibraryTheProgramMakesGetsThemAndTheUserIsTold) {
    PanelWorld w(PanelWorld::Library::Missing);
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.infoBox.text, "新建的命令数据库已带有 3 个命令提示：Windows API 和 C/C++ 标准库的函数名");
    w.panel->shutDown();
    ASSERT_TRUE(w.db.Open(w.control, w.libraryPath(), store::kLibraryPassword));
    const Rows starter{{"GetWindowTextA", "winuser.h"}, {"GetWindowTextW", "winuser.h"}, {"strlen", ""}};
    EXPECT_EQ(hintRows(w), starter);

    // A later version of the program carries another list: the user's library keeps its own.
    w.db.Close();
    w.panel.reset();
    w.starterHints.list = "CreateWindowExW\n";
    w.infoBox.text.reset();
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.infoBox.text, std::nullopt);
    w.panel->shutDown();
    ASSERT_TRUE(w.db.Open(w.control, w.libraryPath(), store::kLibraryPassword));
    EXPECT_EQ(hintRows(w), starter);
}

TEST(StarterHints, AProgramWithoutAListMakesAnEmptyLibraryAndSaysNothing) {
    PanelWorld w(PanelWorld::Library::Missing);
    w.starterHints.list.clear();
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.infoBox.text, std::nullopt);
    EXPECT_TRUE(std::filesystem::exists(w.libraryPath()));
}

}  // namespace
}  // namespace quorvane::testing
