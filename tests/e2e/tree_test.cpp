// The command tree of the real program: what a library looks like in it,
// clicks that show descriptions, double clicks that reach the IDE, and the
// category that stays open from one start to the next.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/delivery_driver.h"  // waitForClickGate
#include "harness/e2e_test.h"
#include "harness/remote_tree.h"
#include "harness/steady_pointer.h"
#include "ini_bytes.h"

namespace quorvane::e2e {
namespace {

// Category rows in an order that puts the placement to work: the deepest
// first, a subcategory before its parent, the top level in between.
// Apostrophes are stored as "^!", as the program stores them.
const std::vector<std::string> kLibrary = {
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('深层', '7', '5', '第三层')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('容器', '1', '0', '标准容器')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('子类甲', '5', '2', '字符串的子类')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('字符串', '2', '0', '处理字符串')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('算法', '3', '0', '')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('push_back', '追加', '1', '在末尾追加元素；it^!s O(1)')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('size', '', '1', '元素个数')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('for{}', '循环片段', '1', "
    "'for (int i = 0; i < n; ++i) {\r\n\tputs(^!循环^!);\r\n}')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('strlen', '长度', '2', '返回长度')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('substr', '子串', '5', '取子串')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('deep_cmd', '深', '7', '三层深的命令')",
};

const char kSnippet[] = "for (int i = 0; i < n; ++i) {\r\n\tputs('循环');\r\n}";

class TreeTest : public E2eTest {
protected:
    void SetUp() override { ASSERT_TRUE(pointer_.installed()); }

    // The panel on the library above, with `settings` (UTF-8, written as GBK).
    HWND startWithLibrary(std::string_view settings = {}) {
        if (!fileExists(app().libraryPath()) && !seedLibrary(app().libraryPath(), kLibrary)) return nullptr;
        if (!settings.empty()) app().seedSettings(settings);
        return restart();
    }

    // Starts the program again in the same directory.
    HWND restart() {
        tree_.reset();
        const HWND panel = startPanel();
        if (panel == nullptr) return nullptr;
        const auto trees = descendantsOfClass(panel, "SysTreeView32");
        if (trees.size() != 1) return nullptr;
        tree_ = std::make_unique<RemoteTree>(trees.front());
        return tree_->ready() ? panel : nullptr;
    }

    RemoteTree& tree() { return *tree_; }

    // Waits for the outline, and returns what it was at the end.
    std::string waitForOutline(const std::string& expected) {
        std::string seen;
        waitUntil([&] { return (seen = outlineText(tree_->outline())) == expected; });
        return seen;
    }

    // The centre of an item's label, once it is in the outline and in view.
    std::optional<POINT> pointOf(std::string_view label) {
        std::optional<POINT> point;
        waitUntil([&] {
            const auto row = tree_->findRow(label);
            const auto rect = row ? tree_->itemRect(row->item) : std::nullopt;
            if (rect) point = rect->center();
            return rect.has_value();
        });
        return point;
    }

    // Selects an item with a click.
    bool clickItem(std::string_view label) { return pressItem(label, [](POINT point) { click(point); }); }

    // A double click on a command: its first press selects it.
    bool doubleClickCommand(std::string_view label) { return pressItem(label, doubleClick); }

    bool pressItem(std::string_view label, void (*press)(POINT)) {
        const auto point = pointOf(label);
        const auto row = tree_->findRow(label);
        if (!point || !row) return false;
        press(*point);
        lastPress_ = GetTickCount();
        return waitUntil([&] { return tree_->selection() == row->item; });
    }

    // The control opens or closes a category on a double click. A user sees
    // it happen before reaching for the next item: until the panel has taken
    // the double click, the items below are still where they were.
    bool doubleClickCategory(std::string_view label) {
        const auto point = pointOf(label);
        const auto row = tree_->findRow(label);
        if (!point || !row) return false;
        doubleClick(*point);
        lastPress_ = GetTickCount();
        return waitUntil([&] { return tree_->isExpanded(row->item) != row->expanded; });
    }

    // The panel takes a press on an editor only 200 ms after the last press
    // it took anywhere; a user's clicks are that far apart.
    bool clickIntoEditor(FakeIde& ide, IdeWindow window) {
        if (!waitForClickGate(lastPress_)) return false;
        const bool seen = ide.clickInto(window);
        lastPress_ = GetTickCount();
        return seen;
    }

    // Everything the panel posted to an editor, once a byte of ours, posted
    // after the panel's last, has come through behind it.
    static std::optional<std::string> settledChars(FakeIde& ide, IdeWindow window) {
        const size_t before = ide.chars(window).size();
        PostMessageA(ide.window(window), WM_CHAR, kEndMark, 1);
        if (!ide.waitForEvents([&](const std::vector<IdeEvent>&) {
                const std::string chars = ide.chars(window);
                return chars.size() > before && chars.back() == kEndMark;
            }))
            return std::nullopt;
        std::string chars = ide.chars(window);
        chars.pop_back();
        return chars;
    }
    static constexpr char kEndMark = '#';

    // "kuozhanxiang" as the settings file holds it; nullopt when it is not there.
    std::optional<std::string> savedCategory() {
        const auto bytes = readBytes(app().settingsPath());
        if (!bytes) return std::nullopt;
        for (const IniEntry& entry : iniEntries(*bytes))
            if (entry.section == "xitong" && entry.key == "kuozhanxiang") return entry.value;
        return std::nullopt;
    }

    HWND infoBox() { return panelInfoBox(app().panel()); }

    SteadyPointer pointer_;
    std::unique_ptr<RemoteTree> tree_;
    DWORD lastPress_ = GetTickCount() - 1000;
};

TEST_F(TreeTest, LibraryShowsCategoriesInRowOrderWithSubcategoriesUnderTheirParents) {
    ASSERT_NE(startWithLibrary(), nullptr);
    // Nothing saved: the top level in row order, all closed. A category
    // without rows under it has no button.
    const std::string closed =
        "+ 容器\n"
        "+ 字符串\n"
        "  算法\n";
    EXPECT_EQ(waitForOutline(closed), closed);

    // Opened the user's way; the control opens a category on a double click.
    for (const char* category : {"容器", "字符串", "子类甲", "深层"}) ASSERT_TRUE(doubleClickCategory(category));
    const std::string expected =
        "- 容器\n"
        "    push_back //追加\n"
        "    size\n"
        "    for{} //循环片段\n"
        "- 字符串\n"
        "  - 子类甲\n"
        "    - 深层\n"
        "        deep_cmd //深\n"
        "      substr //子串\n"
        "    strlen //长度\n"
        "  算法\n";
    EXPECT_EQ(waitForOutline(expected), expected);
    ASSERT_TRUE(app().closePanel());
}

TEST_F(TreeTest, SavedCategoryOpensWithItsAncestorsAndClosingSavesTheSelectedCommandsCategory) {
    // 子类甲, two levels deep.
    ASSERT_NE(startWithLibrary("[xitong]\r\nkuozhanxiang=5\r\n"), nullptr);
    const std::string twoDeep =
        "+ 容器\n"
        "- 字符串\n"
        "  - 子类甲\n"
        "    + 深层\n"
        "      substr //子串\n"
        "    strlen //长度\n"
        "  算法\n";
    ASSERT_EQ(waitForOutline(twoDeep), twoDeep);

    ASSERT_TRUE(doubleClickCategory("深层"));
    ASSERT_TRUE(clickItem("deep_cmd //深"));
    ASSERT_TRUE(app().closePanel());
    EXPECT_EQ(savedCategory(), "7") << "the command's category, three levels deep";

    ASSERT_NE(restart(), nullptr);
    const std::string threeDeep =
        "+ 容器\n"
        "- 字符串\n"
        "  - 子类甲\n"
        "    - 深层\n"
        "        deep_cmd //深\n"
        "      substr //子串\n"
        "    strlen //长度\n"
        "  算法\n";
    EXPECT_EQ(waitForOutline(threeDeep), threeDeep);
    ASSERT_TRUE(app().closePanel());
}

// The tree view selects its first item by itself when the panel hands it the
// focus; that must not count as the user's selection.
TEST_F(TreeTest, ClosingUntouchedKeepsTheSavedCategory) {
    ASSERT_NE(startWithLibrary("[xitong]\r\nkuozhanxiang=5\r\n"), nullptr);
    ASSERT_TRUE(tree().findRow("子类甲").has_value());
    const HTREEITEM selected = tree().selection();
    EXPECT_EQ(selected, nullptr) << "loading selects nothing, got " << tree().label(selected).value_or("?");
    ASSERT_TRUE(app().closePanel());
    EXPECT_EQ(savedCategory(), "5");
}

TEST_F(TreeTest, ClickShowsTheDescriptionInTheInfoBox) {
    ASSERT_NE(startWithLibrary("[xitong]\r\nkuozhanxiang=1\r\n"), nullptr);
    const HWND box = infoBox();
    ASSERT_NE(box, nullptr);
    struct Case {
        const char* item;
        const char* shown;
    };
    const Case cases[] = {
        {"push_back //追加", "在末尾追加元素；it's O(1)"},  // "^!" shown as an apostrophe
        {"容器", "标准容器"},                            // a category's own description
        {"for{} //循环片段", kSnippet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_TRUE(clickItem(c.item));
        std::string shown;
        EXPECT_TRUE(waitUntil([&] { return (shown = windowText(box)) == c.shown; }))
            << shown << "\n" << hexBytes(shown);
    }
    ASSERT_TRUE(app().closePanel());
}

TEST_F(TreeTest, WithTheDescriptionWindowOpenAClickShowsTheDescriptionThere) {
    // Open at the last close: it comes back at the first activation.
    const HWND panel = startWithLibrary("[xitong]\r\nkuozhanxiang=1\r\n[shezhi]\r\n提示窗=真\r\n");
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(bringToFront(panel));
    WindowMatch match;
    match.processId = app().process().id();
    match.title = "命令说明";
    const HWND window = waitForTopLevel(match);
    ASSERT_NE(window, nullptr);
    const auto edits = descendantsOfClass(window, "Edit");
    ASSERT_EQ(edits.size(), 1u);

    ASSERT_TRUE(clickItem("push_back //追加"));
    EXPECT_TRUE(waitUntil([&] { return windowText(edits.front()) == "在末尾追加元素；it's O(1)"; }))
        << windowText(edits.front());
    EXPECT_EQ(windowText(infoBox()), "") << "the info box is left as it was";
    ASSERT_TRUE(app().closePanel());
}

struct EditorCase {
    const char* name;
    IdeWindow window;
    IdeWindow other;
};
const EditorCase kEditors[] = {
    {"classic edit view", IdeWindow::Edit, IdeWindow::Wrapper},
    {"hosted editor", IdeWindow::Wrapper, IdeWindow::Edit},
};

TEST_F(TreeTest, DoubleClickedCommandIsTypedWithItsChineseNameIntoEitherEditor) {
    ASSERT_NE(startWithLibrary("[xitong]\r\ntstjzwm=真\r\nkuozhanxiang=1\r\n"), nullptr);
    FakeIde& ide = startFakeIde();
    // The whole label; 追加 in code page 936, lead byte first.
    const std::string typed = "push_back //\xd7\xb7\xbc\xd3";
    for (const EditorCase& c : kEditors) {
        SCOPED_TRACE(c.name);
        const std::string before = ide.chars(c.window);
        const std::string otherBefore = ide.chars(c.other);
        ASSERT_TRUE(clickIntoEditor(ide, c.window));
        ASSERT_TRUE(doubleClickCommand("push_back //追加"));
        ASSERT_TRUE(ide.waitForChars(c.window, before.size() + typed.size()))
            << hexBytes(ide.chars(c.window));
        const auto chars = settledChars(ide, c.window);
        ASSERT_TRUE(chars.has_value());
        EXPECT_EQ(hexBytes(*chars), hexBytes(before + typed));
        EXPECT_EQ(ide.chars(c.other), otherBefore);
    }
    EXPECT_TRUE(ide.pastes(IdeWindow::Edit).empty() && ide.pastes(IdeWindow::Wrapper).empty());
    ASSERT_TRUE(app().closePanel());
}

TEST_F(TreeTest, DoubleClickedCommandIsTypedAsItsNameAloneByDefault) {
    ASSERT_NE(startWithLibrary("[xitong]\r\nkuozhanxiang=1\r\n"), nullptr);
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(clickIntoEditor(ide, IdeWindow::Edit));
    ASSERT_TRUE(doubleClickCommand("push_back //追加"));
    ASSERT_TRUE(ide.waitForChars(IdeWindow::Edit, 9)) << ide.chars(IdeWindow::Edit);
    EXPECT_EQ(settledChars(ide, IdeWindow::Edit), "push_back");
    ASSERT_TRUE(app().closePanel());
}

TEST_F(TreeTest, DoubleClickedSnippetPastesItsDescription) {
    ASSERT_NE(startWithLibrary("[xitong]\r\ntstjzwm=真\r\nkuozhanxiang=1\r\n"), nullptr);
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(clickIntoEditor(ide, IdeWindow::Edit));
    // With the Chinese name on the label too: the name before " //" decides.
    ASSERT_TRUE(doubleClickCommand("for{} //循环片段"));
    ASSERT_TRUE(ide.waitForPastes(IdeWindow::Edit, 1));
    const auto pastes = ide.pastes(IdeWindow::Edit);
    ASSERT_EQ(pastes.size(), 1u);
    EXPECT_TRUE(pastes.front().hasText);
    EXPECT_EQ(hexBytes(pastes.front().bytes), hexBytes(gbk(kSnippet)))
        << "every line, with the apostrophes stored as ^!";
    EXPECT_EQ(ide.chars(IdeWindow::Edit), "") << "pasted, not typed";
    ASSERT_TRUE(app().closePanel());
}

TEST_F(TreeTest, DoubleClickBeforeAnyEditorWasClickedAsksForOne) {
    ASSERT_NE(startWithLibrary("[xitong]\r\nkuozhanxiang=1\r\n"), nullptr);
    ASSERT_TRUE(doubleClickCommand("size"));
    const HWND box = app().waitForMessageBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = readMessageBox(box);
    EXPECT_EQ(view.text, "请先点击要操作的编程窗口的编辑区域，以确定操作窗口。");
    EXPECT_EQ(view.title, "信息：");
    EXPECT_TRUE(view.hasIcon);
    ASSERT_EQ(view.buttons.size(), 1u);
    click(windowRect(findChild(box, "Button", view.buttons.front())).center());
    ASSERT_TRUE(waitForGone(box));
    ASSERT_TRUE(app().closePanel());
}

// Ctrl+A is the class builder's shortcut, but while a label is being edited
// it belongs to the edit box: it selects the label's text.
TEST_F(TreeTest, CtrlAWhileALabelIsEditedSelectsItsTextAndOpensNoBuilder) {
    ASSERT_NE(startWithLibrary(), nullptr);
    ASSERT_TRUE(clickItem("算法"));
    // A second click on the selected label opens its editor, once it can no
    // longer make a double click with the first.
    const DWORD firstClick = lastPress_;
    ASSERT_TRUE(waitUntil([&] { return GetTickCount() - firstClick > GetDoubleClickTime(); }));
    const auto point = pointOf("算法");
    ASSERT_TRUE(point.has_value());
    click(*point);
    HWND edit = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        edit = reinterpret_cast<HWND>(SendMessageW(tree().window(), TVM_GETEDITCONTROL, 0, 0));
        return edit != nullptr && IsWindowVisible(edit);
    }));
    const auto selection = [edit] {
        const auto range = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
        return std::make_pair(LOWORD(range), HIWORD(range));
    };
    pressKey(VK_END);
    ASSERT_TRUE(waitUntil([&] { return selection() == std::make_pair<WORD, WORD>(2, 2); }));

    pressChord({VK_CONTROL, 'A'});
    EXPECT_TRUE(waitUntil([&] { return selection() == std::make_pair<WORD, WORD>(0, 2); }))
        << "the edit box did not get Ctrl+A";
    // Had the shortcut acted, the key would never have reached the box and the
    // dialog would stand by now.
    WindowMatch dialogs;
    dialogs.processId = app().process().id();
    dialogs.className = kDialogClass;
    EXPECT_TRUE(topLevelWindows(dialogs).empty()) << "a builder opened";

    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitForGone(edit));
    EXPECT_TRUE(tree().findRow("算法").has_value()) << "cancelled: the label stays";
    ASSERT_TRUE(app().closePanel());
}

}  // namespace
}  // namespace quorvane::e2e
