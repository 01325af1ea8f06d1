// "导出命令库..." and "导入命令库..." from the panel: the dialogs, the
// messages, the tree after an import, and every kind of bad file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editing_helpers.h"
#include "fakes/file_bytes.h"
#include "store/library_backup.h"
#include "tree/library_document.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
using Rows = std::vector<std::string>;

std::string libraryFile(const std::string& categories, const std::string& rest = "") {
    return R"({"format": "quorvane-library", "version": 1, "categories": )" + categories + rest + "}";
}

class LibraryTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("容器", "1", "0");
        w.rows.command("size", "大小", "1");
        ASSERT_TRUE(w.start());
        w.tree.toggle(w.item("容器"));
    }

    PanelWorld w;
    fakes::TempDir files;
};

TEST_F(LibraryTransfer, ExportAsksWhereAndSaysWhatItWrote) {
    const auto file = files / "导出.json";
    w.fileDialogs.choices.push_back(file);
    w.menu(MenuCommand::ExportLibrary);
    EXPECT_EQ(w.fileDialogs.titles, std::vector<std::string>{"导出命令库"});
    EXPECT_EQ(w.fileDialogs.suggestedNames, std::vector<std::string>{"命令库.json"});
    ASSERT_FALSE(w.fileDialogs.lastFilters.empty());
    EXPECT_EQ(w.fileDialogs.lastFilters[0].pattern, "*.json");
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "已导出 1 个分类、1 个命令、0 个提示词到 " + file.string());
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_NE(fakes::readBytes(file).find("\"chineseName\": \"大小\""), std::string::npos);

    w.menu(MenuCommand::ExportLibrary);  // cancelled
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

TEST_F(LibraryTransfer, ImportedItemsJoinTheTreeAtOnce) {
    const auto file = files / "in.json";
    fakes::writeBytes(file, libraryFile(R"([{"name": "容器", "commands": [{"name": "SIZE"}, {"name": "empty"}],
                                    "subcategories": [{"name": "序列", "commands": [{"name": "push_back"}]}]},
                                   {"name": "算法"}])"));
    w.fileDialogs.choices.push_back(file);
    w.menu(MenuCommand::ImportLibrary);
    EXPECT_EQ(w.fileDialogs.titles, std::vector<std::string>{"导入命令库"});
    EXPECT_TRUE(w.fileDialogs.suggestedNames.empty()) << "an open dialog, not a save dialog";
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text,
              "已导入：分类添加 2 个、跳过 1 个；命令添加 2 个、跳过 1 个；提示词添加 0 个、跳过 0 个");
    EXPECT_EQ(modelOutline(w), "容器\n  size //大小\n  序列\n    push_back\n  empty\n算法\n");
    EXPECT_EQ(w.tree.outline(), "- 容器\n    size //大小\n  + 序列\n    empty\n  算法\n");
    // Each new item carries its row: its description shows, and it can be deleted.
    w.click("empty");
    w.menu(MenuCommand::DeleteItem);
    EXPECT_EQ(commandRows(w), (Rows{"size|大小|1|", "push_back||2|"}));
}

// Nothing is written when the file fails its checks: the library stays
// byte for byte as it was, no backup is made, and the message says what is
// wrong and where.
TEST_F(LibraryTransfer, ABadFileChangesNothingAndNamesItsFirstProblem) {
    std::string deep = R"({"name": "n"})";
    for (int i = 0; i < tree::kCategoryDepthLimit; ++i) deep = R"({"name": "n", "subcategories": [)" + deep + "]}";
    std::string deepWhere = "categories[0]";
    for (int i = 0; i < tree::kCategoryDepthLimit; ++i) deepWhere += ".subcategories[0]";
    const std::string commands5 = R"([{"name": "a"}, {"name": "b"}, {"name": "c"}, {"name": "d"}, {"name": "e"}, )";
    const struct {
        const char* what;
        std::string text;
        std::string problem;
    } cases[] = {
        {"empty", "", "不是有效的 JSON（第 1 行第 1 列）"},
        {"not JSON", "{\"format\": \n  quorvane}", "不是有效的 JSON（第 2 行第 3 列）"},
        {"cut short", libraryFile("[{\"name\": \"a\""), "不是有效的 JSON（第 1 行第 74 列）"},
        {"not UTF-8", libraryFile("[{\"name\": \"\xC3\xFC\xC1\xEE\"}]"), "不是有效的 JSON（第 1 行第 72 列）"},
        {"a NUL after the text", libraryFile("[]") + std::string(1, '\0') + "garbage",
         "不是有效的 JSON（第 1 行第 63 列）"},
        {"an array", "[]", "文件的顶层不是 JSON 对象，不是命令库文件"},
        {"another format", R"({"format": "x", "version": 1})", "format：应为 \"quorvane-library\"，不是命令库文件"},
        {"no version", R"({"format": "quorvane-library"})", "version：缺少格式版本"},
        {"version 2", R"({"format": "quorvane-library", "version": 2})",
         "version：不支持的格式版本 2（本程序读取版本 1）"},
        {"version as text", R"({"format": "quorvane-library", "version": "1"})",
         "version：不支持的格式版本 \"1\"（本程序读取版本 1）"},
        {"unknown key", R"({"format": "quorvane-library", "version": 1, "categorys": []})", "categorys：未知的键"},
        {"categories not a list", libraryFile("{}"), "categories：应为数组"},
        {"a category not an object", libraryFile("[[]]"), "categories[0]：应为 JSON 对象"},
        {"no name", libraryFile("[{\"description\": \"d\"}]"), "categories[0].name：缺少"},
        {"a number for a name", libraryFile("[{\"name\": 5}]"), "categories[0].name：应为文本"},
        {"misspelt key", libraryFile("[{\"name\": \"a\", \"comands\": []}]"), "categories[0].comands：未知的键"},
        {"NUL in a name", libraryFile("[{\"name\": \"a\\u0000b\"}]"), "categories[0].name：含有 NUL 字符"},
        {"category name over 50",
         libraryFile("[{\"name\": \"a\", \"subcategories\": [{\"name\": \"" + std::string(51, 'x') + "\"}]}]"),
         "categories[0].subcategories[0].name：长度为 51 个字符，超过上限 50"},
        {"category description over 255 once escaped",
         libraryFile("[{\"name\": \"a\", \"description\": \"" + std::string(128, '\'') + "\"}]"),
         "categories[0].description：长度为 256 个字符，超过上限 255（每个撇号按两个字符计）"},
        {"command name over 255",
         libraryFile(R"([{"name": "a"}, {"name": "b"}, {"name": "c", "commands": )" + commands5 +
                     "{\"name\": \"" + std::string(256, 'x') + "\"}]}]"),
         "categories[2].commands[5].name：长度为 256 个字符，超过上限 255"},
        {"a command not an object", libraryFile("[{\"name\": \"a\", \"commands\": [\"x\"]}]"),
         "categories[0].commands[0]：应为 JSON 对象"},
        {"hint description over 255",
         libraryFile("[]", ", \"hints\": [{\"word\": \"w\", \"description\": \"" + std::string(256, 'x') + "\"}]"),
         "hints[0].description：长度为 256 个字符，超过上限 255"},
        {"hint without a word", libraryFile("[]", ", \"hints\": [{\"description\": \"d\"}]"), "hints[0].word：缺少"},
        {"too deep", libraryFile("[" + deep + "]"), deepWhere + "：分类嵌套超过 100 层"},
    };
    const auto backups = w.libraryPath().parent_path() / store::kBackupFolderName;
    const std::vector<std::filesystem::path> backupsBefore = store::listBackups(backups);
    const std::string library = fakes::readBytes(w.libraryPath());
    const std::string outline = modelOutline(w);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.messages.shown.clear();
        const auto file = files / "bad.json";
        fakes::writeBytes(file, c.text);
        w.fileDialogs.choices.push_back(file);
        w.menu(MenuCommand::ImportLibrary);
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].text, "导入失败：" + c.problem);
        EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(fakes::readBytes(w.libraryPath()) == library) << "the library changed";
        EXPECT_EQ(modelOutline(w), outline);
    }
    EXPECT_EQ(store::listBackups(backups), backupsBefore);
}

TEST_F(LibraryTransfer, AFileOverTheLimitIsRefusedUnread) {
    const auto file = files / "big.json";
    fakes::writeBytes(file, libraryFile("[]"));
    std::filesystem::resize_file(file, tree::kLibraryFileLimit + 1);
    w.fileDialogs.choices.push_back(file);
    w.menu(MenuCommand::ImportLibrary);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "导入失败：文件有 67108865 字节，超过上限 67108864 字节");

    // At the limit it is read; blanks are JSON's own padding.
    fakes::writeBytes(file, libraryFile("[{\"name\": \"大\"}]") + std::string(tree::kLibraryFileLimit, ' '));
    std::filesystem::resize_file(file, tree::kLibraryFileLimit);
    w.fileDialogs.choices.push_back(file);
    w.menu(MenuCommand::ImportLibrary);
    EXPECT_EQ(w.messages.shown.at(1).text.rfind("已导入：分类添加 1 个", 0), 0u) << w.messages.shown.at(1).text;
}

}  // namespace
}  // namespace quorvane::testing
