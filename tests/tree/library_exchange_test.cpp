// Export and import of the whole library through a library file.
#include "tree/library_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fakes/file_bytes.h"
#include "tree_library.h"

namespace quorvane::tree::testing {
namespace {

using Rows = std::vector<std::string>;

// The library as the user knows it, numbers left out: each category by its
// path of names with its stored description, each command under that path,
// each hint word; in row order.
Rows contents(TreeWorld& world) {
    std::map<std::string, std::pair<std::string, std::string>> categories;  // number -> (name, parent number)
    std::vector<std::vector<std::string>> cells;
    const int categoryCount = world.db.ReadTable(cells, "分类表", {"分类名", "序号", "父类", "说明"}, "");
    for (int i = 0; i < categoryCount; ++i) categories[cells[i][1]] = {cells[i][0], cells[i][2]};
    const auto path = [&categories](std::string number) {
        std::string text;
        for (int guard = 0; guard < 200 && categories.count(number) != 0; ++guard) {
            text = categories[number].first + "/" + text;
            number = categories[number].second;
        }
        return text;
    };
    Rows rows;
    for (int i = 0; i < categoryCount; ++i) rows.push_back("分类 " + path(cells[i][1]) + " " + cells[i][3]);
    const int commandCount = world.db.ReadTable(cells, "命令库", {"命令名", "中文名", "分类", "说明"}, "");
    for (int i = 0; i < commandCount; ++i)
        rows.push_back("命令 " + path(cells[i][2]) + cells[i][0] + " " + cells[i][1] + " " + cells[i][3]);
    const int hintCount = world.db.ReadTable(cells, "命令表", {"命令", "说明"}, "");
    for (int i = 0; i < hintCount; ++i) rows.push_back("提示 " + cells[i][0] + " " + cells[i][1]);
    return rows;
}

class LibraryExchangeTest : public ::testing::Test {
protected:
    LibraryDocument read(const std::filesystem::path& file) {
        ReadDocument read = readLibraryFile(file);
        EXPECT_TRUE(read.document) << read.problem;
        return read.document.value_or(LibraryDocument{});
    }

    TreeWorld from;
    TreeWorld to;
    fakes::TempDir files;
};

// What the user wrote comes back as it was: apostrophes, a literal "^!"
// (which the library stores as an apostrophe would be), line breaks, Chinese
// and a name of the full 50 characters, in the same nesting and order.
TEST_F(LibraryExchangeTest, AnExportImportedIntoAnEmptyLibraryGivesTheSameLibrary) {
    const std::string fifty = "分类名称五十个字符" + std::string(41, 'x');
    from.rows.category("it's 容器", "1", "0", "容器's 说明");
    from.rows.category(fifty, "5", "1", "第一行\r\n第二行 ^! 和 '");
    from.rows.category("算法", "2", "0");
    from.rows.category("深", "9", "5", "三层");
    from.rows.command("push_back", "追加", "5", "Appends.\r\n\t'x' ^! \"y\"");
    from.rows.command("O'Neil", "奥'尼尔", "1", "");
    from.rows.command("for{}", "循环", "9", "for (;;) {\r\n}\r\n");
    from.rows.command("sort", "", "2", "排序");
    ASSERT_TRUE(from.db.Insert("命令表", "命令,说明", "'it''s','hint''s ^! description'"));
    ASSERT_TRUE(from.db.Insert("命令表", "命令,说明", "'printf',''"));

    const auto file = files / "库.json";
    const ExportResult exported = exportLibrary(from.db, file);
    ASSERT_TRUE(exported.exported) << exported.problem;
    EXPECT_EQ(exported.counts.categories, 4);
    EXPECT_EQ(exported.counts.commands, 4);
    EXPECT_EQ(exported.counts.hints, 2);

    const ImportResult imported = importLibrary(to.db, read(file));
    ASSERT_TRUE(imported.imported) << imported.problem;
    // Rows go in parent by parent; the order among siblings is checked by the second export below.
    Rows importedRows = contents(to);
    Rows originalRows = contents(from);
    std::sort(importedRows.begin(), importedRows.end());
    std::sort(originalRows.begin(), originalRows.end());
    EXPECT_EQ(importedRows, originalRows);

    // And the file speaks plainly: apostrophes as apostrophes, Chinese as itself.
    const std::string json = fakes::readBytes(file);
    EXPECT_NE(json.find("\"name\": \"O'Neil\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"description\": \"容器's 说明\""), std::string::npos) << json;
    EXPECT_NE(json.find("第二行 ' 和 '"), std::string::npos) << "the stored escape stays inside the library";
    EXPECT_NE(json.find("\"description\": \"hint's ^! description\""), std::string::npos)
        << "hint descriptions are stored as typed, and written so";
    EXPECT_NE(json.find("\"version\": 1"), std::string::npos);

    // The second library exports to the same file, byte for byte.
    const auto again = files / "again.json";
    ASSERT_TRUE(exportLibrary(to.db, again).exported);
    EXPECT_EQ(fakes::readBytes(again), json);
}

// The file nests the categories as the tree does, even those whose parent
// number leads nowhere; commands without a category are counted, not lost silently.
TEST_F(LibraryExchangeTest, ExportFollowsTheTreeAndCountsWhatItCannotPlace) {
    from.rows.category("orphan", "3", "77");
    from.rows.category("top", "1", "0");
    from.rows.command("lost", "", "42");
    from.rows.command("kept", "", "3");
    const auto file = files / "x.json";
    const ExportResult exported = exportLibrary(from.db, file);
    ASSERT_TRUE(exported.exported);
    EXPECT_EQ(exported.counts.commandsWithoutCategory, 1);
    EXPECT_EQ(exportSummary(exported.counts, "x.json"),
              "已导出 2 个分类、1 个命令、0 个提示词到 x.json；1 个命令不属于任何分类，未导出");
    const LibraryDocument document = read(file);
    ASSERT_EQ(document.categories.size(), 2u);
    EXPECT_EQ(document.categories[0].name, "top");
    EXPECT_EQ(document.categories[1].name, "orphan");
    EXPECT_EQ(document.categories[1].commands.at(0).name, "kept");
}

TEST_F(LibraryExchangeTest, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    from.rows.category("top", "1", "0");
    const auto file = files / "missing folder" / "x.json";
    const ExportResult exported = exportLibrary(from.db, file);
    EXPECT_FALSE(exported.exported);
    EXPECT_NE(exported.problem.find("无法写入文件"), std::string::npos) << exported.problem;
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

// Text an outside tool stored as another encoding cannot go into a UTF-8
// file: the export names the value instead of writing a broken file.
TEST_F(LibraryExchangeTest, TextThatIsNotUtf8IsNamedNotExported) {
    from.rows.category("top", "1", "0");
    from.rows.command("ok", "", "1");
    from.rows.command("gbk", "\xC3\xFC\xC1\xEE", "1");
    const auto file = files / "x.json";
    const ExportResult exported = exportLibrary(from.db, file);
    EXPECT_FALSE(exported.exported);
    EXPECT_EQ(exported.problem, "categories[0].commands[1].chineseName：不是 UTF-8 文本");
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Categories match by their path of names; what exists is skipped, the rest
// is added under new numbers, in one go.
TEST_F(LibraryExchangeTest, ImportMergesByPathAndSkipsWhatTheLibraryHas) {
    to.rows.category("容器", "1", "0", "kept");
    to.rows.category("序列", "7", "1");
    to.rows.category("序列", "8", "0");  // the same name at another place
    to.rows.command("Push_Back", "", "7");
    ASSERT_TRUE(to.db.Insert("命令表", "命令,说明", "'Printf',''"));
    const auto file = files / "in.json";
    fakes::writeBytes(file, R"({"format": "quorvane-library", "version": 1,
        "categories": [
          {"name": "容器", "description": "ignored: the category exists",
           "subcategories": [
             {"name": "序列", "commands": [{"name": "push_back"}, {"name": "insert", "chineseName": "插入"}]},
             {"name": "关联", "subcategories": [{"name": "有序", "commands": [{"name": "find"}]}]}]},
          {"name": "容器", "commands": [{"name": "size"}]},
          {"name": "新"}],
        "hints": [{"word": "printf"}, {"word": "scanf", "description": "读"}, {"word": "SCANF"}]})");

    const ImportResult imported = importLibrary(to.db, read(file));
    ASSERT_TRUE(imported.imported) << imported.problem;
    const ImportCounts& c = imported.counts;
    EXPECT_EQ(c.categoriesAdded, 3);    // 关联, 有序, 新
    EXPECT_EQ(c.categoriesSkipped, 3);  // 容器, 容器/序列, 容器 again
    EXPECT_EQ(c.commandsAdded, 3);      // insert, find, size
    EXPECT_EQ(c.commandsSkipped, 1);    // push_back, as Push_Back
    EXPECT_EQ(c.hintsAdded, 1);
    EXPECT_EQ(c.hintsSkipped, 2);
    EXPECT_EQ(importSummary(c), "已导入：分类添加 3 个、跳过 3 个；命令添加 3 个、跳过 1 个；提示词添加 1 个、跳过 2 个");
    EXPECT_EQ(contents(to), (Rows{"分类 容器/ kept", "分类 容器/序列/ ", "分类 序列/ ", "分类 容器/关联/ ",
                                  "分类 容器/关联/有序/ ", "分类 新/ ", "命令 容器/序列/Push_Back  ",
                                  "命令 容器/序列/insert 插入 ", "命令 容器/关联/有序/find  ", "命令 容器/size  ",
                                  "提示 Printf ", "提示 scanf 读"}));
    // New numbers follow the largest the library had.
    EXPECT_EQ(to.column("分类表", "序号"), (Rows{"1", "7", "8", "9", "10", "11"}));
    ASSERT_EQ(imported.categories.size(), 3u);
    EXPECT_EQ(imported.categories[1].name, "有序");
    EXPECT_EQ(imported.categories[1].parentNumber, 9);
    ASSERT_EQ(imported.commands.size(), 3u);
    EXPECT_EQ(imported.commands[0].category, 7);
}

// A write the engine refuses half way leaves the library as it was.
TEST_F(LibraryExchangeTest, AFailedWriteTakesBackEverythingImportedBefore) {
    to.rows.category("容器", "1", "0");
    ASSERT_TRUE(to.control.execute("create trigger 拒绝 before insert on 命令库 when new.命令名 = 'bad' "
                                   "begin select raise(abort, 'refused'); end"));
    const Rows before = contents(to);
    const auto file = files / "in.json";
    fakes::writeBytes(file, R"({"format": "quorvane-library", "version": 1, "categories": [
        {"name": "新", "commands": [{"name": "good"}, {"name": "bad"}]}], "hints": [{"word": "w"}]})");
    const ImportResult imported = importLibrary(to.db, read(file));
    EXPECT_FALSE(imported.imported);
    EXPECT_NE(imported.problem.find("写入命令数据库失败"), std::string::npos) << imported.problem;
    EXPECT_TRUE(imported.categories.empty() && imported.commands.empty());
    EXPECT_EQ(contents(to), before);
}

}  // namespace
}  // namespace quorvane::tree::testing
