// Building and keeping a library from the real program: categories and
// commands added, found, delivered, modified and deleted through the
// panel's menus, dialogs and keys; export and import from the command line.
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/delivery_driver.h"
#include "harness/e2e_test.h"
#include "harness/remote_tree.h"
#include "harness/steady_pointer.h"
#include "shell/menu_layout.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "tree/category_window.h"
#include "tree/command_edit_window.h"

namespace quorvane::e2e {
namespace {

using shell::MenuCommand;
using Rows = std::vector<std::string>;
namespace categoryIds = tree::category_window_ids;
namespace commandIds = tree::command_window_ids;

// Each row of a table with the fields joined by "|", in row order, read the
// way the program reads its library.
Rows tableRows(const std::filesystem::path& library, const char* table, const std::vector<std::string>& fields) {
    store::DbConnection control;
    store::RecordStore db;
    if (!db.Open(control, library, store::kLibraryPassword)) return {"(cannot open " + narrow(library.wstring()) + ")"};
    std::vector<std::vector<std::string>> cells;
    const int count = db.ReadTable(cells, table, fields, "");
    Rows rows;
    for (int r = 0; r < count; ++r) {
        std::string line;
        for (const std::string& cell : cells[static_cast<size_t>(r)]) line += (line.empty() ? "" : "|") + cell;
        rows.push_back(line);
    }
    return rows;
}

// The categories and commands as their user knows them: categories by their
// path of names, each command under its category's path; numbers left out, sorted.
Rows libraryContents(const std::filesystem::path& library) {
    std::map<std::string, std::pair<std::string, std::string>> categories;  // number -> name, parent
    for (const std::string& row : tableRows(library, "分类表", {"序号", "分类名", "父类"})) {
        const size_t a = row.find('|');
        const size_t b = row.find('|', a + 1);
        categories[row.substr(0, a)] = {row.substr(a + 1, b - a - 1), row.substr(b + 1)};
    }
    const auto path = [&categories](std::string number) {
        std::string text;
        for (int guard = 0; guard < 100 && categories.count(number) != 0; ++guard) {
            text = categories[number].first + "/" + text;
            number = categories[number].second;
        }
        return text;
    };
    Rows rows;
    for (const std::string& row : tableRows(library, "分类表", {"序号", "说明"}))
        rows.push_back("分类 " + path(row.substr(0, row.find('|'))) + " " + row.substr(row.find('|') + 1));
    for (const std::string& row : tableRows(library, "命令库", {"分类", "命令名", "中文名", "说明"}))
        rows.push_back("命令 " + path(row.substr(0, row.find('|'))) + row.substr(row.find('|') + 1));
    std::sort(rows.begin(), rows.end());
    return rows;
}

class LibraryEditingTest : public E2eTest {
protected:
    void SetUp() override { ASSERT_TRUE(pointer_.installed()); }

    HWND start(const std::vector<std::string>& rows) {
        if (!seedLibrary(app().libraryPath(), rows)) return nullptr;
        panel_ = startPanel();
        if (panel_ == nullptr) return nullptr;
        const auto trees = descendantsOfClass(panel_, "SysTreeView32");
        if (trees.size() != 1) return nullptr;
        tree_ = std::make_unique<RemoteTree>(trees.front());
        return tree_->ready() ? panel_ : nullptr;
    }

    std::string waitForOutline(const std::string& expected) {
        std::string seen;
        waitUntil([&] { return (seen = outlineText(tree_->outline())) == expected; });
        return seen;
    }

    // A click on an item's label, which also gives the tree the focus.
    //
    // With the pointer kept steady (see SteadyPointer), Wine puts its cursor
    // back where the X pointer is when a window of the panel comes or goes:
    // a press the cursor leaves mid-way is taken for a drag, or lands on
    // another item. A user whose click did not take clicks again; so does
    // this, but only when the cursor was moved away under it.
    bool clickItem(std::string_view label) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            std::optional<POINT> point;
            std::optional<TreeRow> row;
            waitUntil([&] {
                row = tree_->findRow(label);
                const auto rect = row ? tree_->itemRect(row->item) : std::nullopt;
                if (rect) point = rect->center();
                return rect.has_value();
            });
            if (!point) return false;
            moveMouse(*point);
            if (!waitUntil([&] { return cursorAt(*point); })) return false;
            click(*point);
            const auto selected = [&] { return tree_->selection() == row->item && hasFocus(tree_->window()); };
            if (waitUntil([&] { return selected() || !cursorAt(*point); }) && selected()) return true;
            if (cursorAt(*point)) return false;
            // A label editor the stray press opened is closed unchanged, and
            // the next press comes late enough not to make a double click.
            pressKey(VK_ESCAPE);
            const DWORD pressed = GetTickCount();
            if (!waitUntil([&] { return GetTickCount() - pressed > GetDoubleClickTime(); })) return false;
        }
        return false;
    }

    static bool cursorAt(POINT point) {
        POINT at{};
        return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
    }

    // A menu command, then the dialog it opens.
    HWND openDialog(MenuCommand command, std::string_view caption) {
        chooseMenuCommand(panel_, shell::commandId(command));
        return waitForDialog(app(), caption);
    }

    static bool hasFocus(HWND window) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus == window;
    }

    // Clicks into a box and types, as a user does; the box's old text is replaced.
    static bool typeInto(HWND dialog, int id, std::string_view text) {
        const HWND box = GetDlgItem(dialog, id);
        if (box == nullptr) return false;
        click(windowRect(box).center());
        if (!waitUntil([&] { return hasFocus(box); })) return false;
        pressKey(VK_END);
        pressChord({VK_SHIFT, VK_HOME});
        if (text.empty()) {
            pressKey(VK_DELETE);
        } else {
            typeText(text);
        }
        return waitUntil([&] { return windowText(box) == text; });
    }

    // The dialog's button, and the dialog gone afterwards.
    static bool clickAndWaitClosed(HWND dialog, int id) {
        return clickDialogButton(dialog, id) && waitForGone(dialog);
    }

    bool addCategory(MenuCommand command, std::string_view name, std::string_view description) {
        const HWND dialog = openDialog(command, "添加分类");
        return dialog != nullptr && typeInto(dialog, categoryIds::Name, name) &&
               typeInto(dialog, categoryIds::Description, description) &&
               clickAndWaitClosed(dialog, categoryIds::Ok);
    }

    SteadyPointer pointer_;
    HWND panel_ = nullptr;
    std::unique_ptr<RemoteTree> tree_;
};

TEST_F(LibraryEditingTest, ALibraryIsBuiltFromThePanelUsedChangedAndPruned) {
    ASSERT_NE(start({"INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('文件', '1', '0', '')",
                     "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('CreateFile', '建文件', '1', '')"}),
              nullptr);

    // A category at the top, then one inside it.
    ASSERT_TRUE(addCategory(MenuCommand::AddCategory, "窗口", "窗口函数"));
    ASSERT_TRUE(clickItem("窗口"));
    ASSERT_TRUE(addCategory(MenuCommand::AddSubcategory, "消息框类", "it's 消息"));
    std::string expected = "+ 文件\n- 窗口\n    消息框类\n";
    ASSERT_EQ(waitForOutline(expected), expected);

    // Two commands in one opening of the window, by its shortcut.
    ASSERT_TRUE(clickItem("消息框类"));
    pressChord({VK_CONTROL, 'T'});
    const HWND commands = waitForDialog(app(), "命令添加");
    ASSERT_NE(commands, nullptr) << "Ctrl+T opened no window";
    EXPECT_EQ(windowText(GetDlgItem(commands, commandIds::Category)), "消息框类") << "the selection's category";
    ASSERT_TRUE(typeInto(commands, commandIds::Name, "MessageBoxA"));
    ASSERT_TRUE(typeInto(commands, commandIds::ChineseName, "消息框"));
    ASSERT_TRUE(typeInto(commands, commandIds::Description, "Shows a box; it's modal."));
    ASSERT_TRUE(clickDialogButton(commands, commandIds::Add));
    ASSERT_TRUE(waitUntil([&] { return windowText(GetDlgItem(commands, commandIds::Name)).empty(); }))
        << "the boxes empty for the next command";
    ASSERT_TRUE(typeInto(commands, commandIds::Name, "CreateWindowExW"));
    ASSERT_TRUE(clickDialogButton(commands, commandIds::Add));
    ASSERT_TRUE(waitUntil([&] { return windowText(GetDlgItem(commands, commandIds::Name)).empty(); }));
    ASSERT_TRUE(clickAndWaitClosed(commands, commandIds::Close));
    expected = "+ 文件\n- 窗口\n  - 消息框类\n      MessageBoxA //消息框\n      CreateWindowExW\n";
    ASSERT_EQ(waitForOutline(expected), expected);
    EXPECT_EQ(tableRows(app().libraryPath(), "命令库", {"命令名", "中文名", "分类", "说明"}),
              (Rows{"CreateFile|建文件|1|", "MessageBoxA|消息框|3|Shows a box; it^!s modal.", "CreateWindowExW||3|"}));

    // Found by part of its name; its description shows with its apostrophe.
    chooseMenuCommand(panel_, shell::commandId(MenuCommand::FindCommand));
    const HWND search = waitForDialog(app(), "Quorvane");
    ASSERT_NE(search, nullptr);
    typeAscii("boxa");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitForGone(search));
    ASSERT_TRUE(waitUntil([&] { return tree_->label(tree_->selection()) == "MessageBoxA //消息框"; }));
    const HWND infoBox = panelInfoBox(panel_);
    EXPECT_TRUE(waitUntil([&] { return windowText(infoBox) == "Shows a box; it's modal."; })) << windowText(infoBox);

    // Enter in the tree delivers the selected command into the editor.
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(ide.clickInto(IdeWindow::Edit));
    ASSERT_TRUE(clickItem("MessageBoxA //消息框"));
    pressKey(VK_RETURN);
    ASSERT_TRUE(ide.waitForChars(IdeWindow::Edit, 11));
    EXPECT_EQ(ide.chars(IdeWindow::Edit), "MessageBoxA");

    // Modified: a name another category's command has, and into the parent category.
    ASSERT_TRUE(clickItem("CreateWindowExW"));
    const HWND modify = openDialog(MenuCommand::ModifyCommand, "命令添加");
    ASSERT_NE(modify, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(modify, commandIds::Add)), "修改");
    ASSERT_TRUE(typeInto(modify, commandIds::Name, "CreateFile"));
    ASSERT_TRUE(selectListEntry(GetDlgItem(modify, commandIds::Category), "窗口"));
    ASSERT_TRUE(clickAndWaitClosed(modify, commandIds::Add));
    expected = "+ 文件\n- 窗口\n  - 消息框类\n      MessageBoxA //消息框\n    CreateFile\n";
    ASSERT_EQ(waitForOutline(expected), expected);

    // F2 opens the label for editing, and Enter stores the typed name.
    ASSERT_TRUE(clickItem("文件"));
    pressKey(VK_F2);
    HWND editor = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        const auto boxes = descendantsOfClass(tree_->window(), "Edit");
        editor = boxes.empty() ? nullptr : boxes.front();
        return editor != nullptr && hasFocus(editor);
    })) << "F2 opened no edit box";
    typeText("文档");
    pressKey(VK_RETURN);
    expected = "+ 文档\n- 窗口\n  - 消息框类\n      MessageBoxA //消息框\n    CreateFile\n";
    ASSERT_EQ(waitForOutline(expected), expected);
    EXPECT_EQ(tableRows(app().libraryPath(), "分类表", {"分类名"}).at(0), "文档");

    // Deleted by its key, after the question: everything below goes, and
    // the command of the same name in the other category stays.
    ASSERT_TRUE(clickItem("窗口"));
    pressKey(VK_DELETE);
    const HWND question = app().waitForMessageBox();
    ASSERT_NE(question, nullptr);
    const MessageBoxView asked = readMessageBox(question);
    EXPECT_EQ(asked.title, "询问：");
    EXPECT_EQ(asked.text, "确定删除分类“窗口”吗?\r\n删除后其子类及其命令项也将被删除。");
    ASSERT_TRUE(clickAndWaitClosed(question, IDYES));
    expected = "+ 文档\n";
    ASSERT_EQ(waitForOutline(expected), expected);
    EXPECT_EQ(tableRows(app().libraryPath(), "分类表", {"分类名"}), Rows{"文档"});
    EXPECT_EQ(tableRows(app().libraryPath(), "命令库", {"命令名", "分类"}), Rows{"CreateFile|1"});

    ASSERT_TRUE(app().closePanel());
}

// Rows worth carrying: apostrophes, a literal "^!", line breaks, Chinese,
// three levels, hint words.
const std::vector<std::string> kRichLibrary = {
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('容器', '1', '0', 'it^!s 容器')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('序列', '4', '1', '第一行\r\n第二行')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('深', '9', '4', '')",
    "INSERT INTO 分类表(分类名, 序号, 父类, 说明) VALUES ('算法', '2', '0', '')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('push_back', '追加', '4', 'Appends ^!x^!.')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('O''Neil', '奥''尼尔', '9', '')",
    "INSERT INTO 命令库(命令名, 中文名, 分类, 说明) VALUES ('sort', '排序', '2', 'for (;;) {\r\n}')",
    "INSERT INTO 命令表(命令, 说明) VALUES ('qv_custom_hint', 'it''s ours')",
};

// The command line works without a window: what one folder's library holds
// comes out in another folder's new library; while a panel runs on that
// library the import waits for the user to close it.
TEST_F(LibraryEditingTest, ExportAndImportOnTheCommandLineCarryTheWholeLibrary) {
    ASSERT_TRUE(seedLibrary(app().libraryPath(), kRichLibrary));
    const std::filesystem::path file = dir() / "命令库.json";
    const auto exported = app().runCommandLine({L"--export", file.wstring()});
    ASSERT_TRUE(exported.has_value()) << "--export did not end";
    EXPECT_EQ(exported->exitCode, 0u);
    EXPECT_EQ(exported->standardError, "已导出 4 个分类、3 个命令、1 个提示词到 " + narrow(file.wstring()) + "\r\n");

    std::filesystem::create_directory(dir() / "fresh");
    QuorvaneApp fresh(dir() / "fresh");
    fresh.start();
    ASSERT_NE(fresh.waitForPanel(), nullptr);
    const auto refused = fresh.runCommandLine({L"--import", file.wstring()});
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->exitCode, 1u);
    EXPECT_EQ(refused->standardError, "导入失败：Quorvane 面板正在运行，请先关闭面板再导入\r\n");
    ASSERT_TRUE(fresh.closePanel());

    const auto imported = fresh.runCommandLine({L"--import", file.wstring()});
    ASSERT_TRUE(imported.has_value()) << "--import did not end";
    EXPECT_EQ(imported->exitCode, 0u);
    EXPECT_EQ(imported->standardError,
              "已导入：分类添加 4 个、跳过 0 个；命令添加 3 个、跳过 0 个；提示词添加 1 个、跳过 0 个\r\n");
    EXPECT_EQ(libraryContents(fresh.libraryPath()), libraryContents(app().libraryPath()));
    // The new library began as a start makes one, with the hint words the program carries; ours joined them.
    const Rows hints = tableRows(fresh.libraryPath(), "命令表", {"命令", "说明"});
    EXPECT_GT(hints.size(), 100u);
    EXPECT_NE(std::find(hints.begin(), hints.end(), "qv_custom_hint|it's ours"), hints.end());
    EXPECT_EQ(tableRows(fresh.libraryPath(), "命令库", {"命令名", "中文名"}).at(0), "push_back|追加");

    const auto wrong = fresh.runCommandLine({L"--import"});
    ASSERT_TRUE(wrong.has_value());
    EXPECT_EQ(wrong->exitCode, 1u);
    EXPECT_EQ(wrong->standardError, "用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件\r\n");
}

}  // namespace
}  // namespace quorvane::e2e
