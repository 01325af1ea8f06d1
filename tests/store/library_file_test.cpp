#include "store/library_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "library_fixture.h"

namespace quorvane::store {
namespace {

using testing::directoryNames;
using testing::fileBytes;
using testing::LibraryFixture;
using StoreLibraryTables = LibraryFixture;

// Rows of a statement run straight on the file, each row's columns as text.
std::vector<std::vector<std::string>> rawRows(const std::filesystem::path& path, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.string().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                auto& row = rows.emplace_back();
                for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                    const auto* text = sqlite3_column_text(stmt, i);
                    row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
                }
            }
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(raw);
    return rows;
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(StoreLibraryCreation, FreshLibraryHasExactlyTheThreeEmptyTables) {
    fakes::TempDir dir;
    const auto path = dir / kLibraryFileName;
    ASSERT_TRUE(createLibrary(path, kLibraryPassword));
    EXPECT_EQ(directoryNames(dir.path()), std::set<std::string>{kLibraryFileName});

    const auto tables = rawRows(
        path, "select name from sqlite_master where type='table' and name not like 'sqlite%' order by name");
    EXPECT_EQ(tables, (std::vector<std::vector<std::string>>{{"分类表"}, {"命令库"}, {"命令表"}}));

    const std::pair<std::string, std::vector<std::string>> expected[] = {
        {"分类表", {"ID", "分类名", "序号", "父类", "说明"}},
        {"命令库", {"ID", "命令名", "中文名", "分类", "说明"}},
        {"命令表", {"ID", "命令", "说明"}},
    };
    for (const auto& [table, columns] : expected) {
        SCOPED_TRACE(table);
        const auto info = rawRows(path, "select name, pk from pragma_table_info('" + table + "')");
        std::vector<std::string> names;
        for (const auto& row : info) names.push_back(row[0]);
        EXPECT_EQ(names, columns);
        ASSERT_FALSE(info.empty());
        EXPECT_EQ(info[0][1], "1");  // ID is the key
        EXPECT_EQ(rawRows(path, "select count(*) from " + table),
                  (std::vector<std::vector<std::string>>{{"0"}}));
    }
}

TEST(StoreLibraryCreation, UnwritablePlaceLeavesNoFile) {
    fakes::TempDir dir;
    // Tests run as root, which ignores permission bits: use places that
    // cannot hold a file for anyone.
    writeFile(dir / "plain-file", "x");
    const std::filesystem::path underAFile = dir / "plain-file" / kLibraryFileName;
    const std::filesystem::path underMissingDir = dir / "gone" / kLibraryFileName;

    EXPECT_FALSE(createLibrary(underAFile, kLibraryPassword));
    EXPECT_FALSE(createLibrary(underMissingDir, kLibraryPassword));
    EXPECT_FALSE(std::filesystem::exists(underMissingDir));
    EXPECT_EQ(directoryNames(dir.path()), std::set<std::string>{"plain-file"});
    EXPECT_EQ(fileBytes(dir / "plain-file"), std::vector<char>{'x'});
}

TEST(StoreLibraryCreation, NeverReplacesAnExistingFile) {
    fakes::TempDir dir;
    const auto path = dir / kLibraryFileName;
    writeFile(path, "somebody's data");
    EXPECT_FALSE(createLibrary(path, kLibraryPassword));
    const auto kept = fileBytes(path);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "somebody's data");
    EXPECT_EQ(directoryNames(dir.path()), std::set<std::string>{kLibraryFileName});
}

// A library never appears without the words it was made with.
TEST(StoreLibraryCreation, HintWordsGoInWithTheTablesOrNoLibraryAppears) {
    fakes::TempDir dir;
    const auto path = dir / kLibraryFileName;
    ASSERT_TRUE(createLibrary(path, kLibraryPassword, {{"GetDC", "winuser.h"}, {"it's", "a 'quote'"}}));
    EXPECT_EQ(rawRows(path, "select ID, 命令, 说明 from 命令表"),
              (std::vector<std::vector<std::string>>{{"1", "GetDC", "winuser.h"}, {"2", "it's", "a 'quote'"}}));

    fakes::TempDir other;
    const auto refused = other / kLibraryFileName;
    EXPECT_FALSE(createLibrary(refused, kLibraryPassword, {{"GetDC", ""}, {std::string(256, 'w'), ""}}));
    EXPECT_TRUE(directoryNames(other.path()).empty());
}

TEST(StoreLibraryCreation, KeyNumbersAreNotReused) {
    fakes::TempDir dir;
    const auto path = dir / kLibraryFileName;
    ASSERT_TRUE(createLibrary(path, kLibraryPassword));
    DbConnection control;
    RecordStore db;
    ASSERT_TRUE(db.Open(control, path, kLibraryPassword));
    ASSERT_TRUE(db.Insert("命令表", "命令", "'a'"));
    ASSERT_TRUE(db.Insert("命令表", "命令", "'b'"));
    ASSERT_TRUE(db.DeleteWhere("命令表", "命令='b'"));
    ASSERT_TRUE(db.Insert("命令表", "命令", "'c'"));
    std::vector<std::string> ids;
    db.ReadColumn(ids, "命令表", "ID", "");
    EXPECT_EQ(ids, (std::vector<std::string>{"1", "3"}));
}

// Opening must fail without changing a byte or leaving anything beside the file.
class StoreLibraryAccess : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        ASSERT_TRUE(rows.command("CreateWindowEx"));
        db.Close();
    }

    void expectOpenFails(const std::filesystem::path& path, const std::string& password) {
        const auto namesBefore = directoryNames(dir.path());
        const auto bytesBefore = fileBytes(path);
        DbConnection other;
        EXPECT_FALSE(other.open(path, password));
        EXPECT_FALSE(other.isOpen());
        EXPECT_EQ(fileBytes(path), bytesBefore);
        EXPECT_EQ(directoryNames(dir.path()), namesBefore);
    }
};

TEST_F(StoreLibraryAccess, OpensOnlyWithThePassword) {
    const std::string wrong[] = {"", "qprwtzvoxe2741", "QPRWTZvoxe274", "QPRWTZvoxe27411", " QPRWTZvoxe2741"};
    for (const std::string& password : wrong) {
        SCOPED_TRACE(password);
        expectOpenFails(libraryPath(), password);
    }
    RecordStore again;
    EXPECT_TRUE(again.Open(control, libraryPath(), kLibraryPassword));
    EXPECT_TRUE(again.Exists("命令库", "", "命令名='CreateWindowEx'"));
}

TEST_F(StoreLibraryAccess, RefusesFilesThatAreNotTheLibrary) {
    writeFile(dir / "text.mdb",
              "not a database at all, just some text that is long enough to fill a header......");
    writeFile(dir / "short.mdb", "SQLite format 3");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "plain.db").string().c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "create table 命令表(ID INTEGER PRIMARY KEY, 命令 TEXT, 说明 TEXT)", nullptr, nullptr,
                 nullptr);
    sqlite3_close(raw);

    for (const char* name : {"text.mdb", "short.mdb", "plain.db"}) {
        SCOPED_TRACE(name);
        expectOpenFails(dir / name, kLibraryPassword);
        expectOpenFails(dir / name, "");
    }
}

TEST_F(StoreLibraryAccess, MissingFileIsNotCreated) {
    DbConnection other;
    EXPECT_FALSE(other.open(dir / "missing.mdb", kLibraryPassword));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.mdb"));
    EXPECT_FALSE(other.open(dir.path(), kLibraryPassword));  // a directory
}

// Widths are limits in characters; MEMO has none.
TEST_F(StoreLibraryTables, WidthsAreEnforced) {
    struct Case {
        std::string table;
        std::string column;
        int width;
    };
    const Case cases[] = {
        {"分类表", "分类名", 50}, {"分类表", "序号", 12},    {"分类表", "父类", 12},
        {"分类表", "说明", 255},  {"命令库", "命令名", 255}, {"命令库", "中文名", 255},
        {"命令库", "分类", 50},   {"命令表", "命令", 255},   {"命令表", "说明", 255},
    };
    auto repeat = [](const std::string& unit, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += unit;
        return text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table + "." + c.column);
        // Three-byte characters: the limit counts characters, not bytes.
        EXPECT_TRUE(db.Insert(c.table, c.column, sqlQuote(repeat("汉", c.width))));
        EXPECT_FALSE(db.Insert(c.table, c.column, sqlQuote(repeat("a", c.width + 1))));
        EXPECT_FALSE(db.Update(c.table, c.column + "=" + sqlQuote(repeat("汉", c.width + 1)), ""));
        EXPECT_EQ(column(c.table, c.column, c.column + " is not null"),
                  std::vector<std::string>{repeat("汉", c.width)});
    }
    const std::string longText = repeat("说明'", 100000);
    EXPECT_TRUE(db.Insert("命令库", "说明", sqlQuote(escapeDescription(longText))));
    EXPECT_EQ(unescapeDescription(column("命令库", "说明", "说明 like '说明^!%'").at(0)), longText);
}

TEST_F(StoreLibraryTables, TextComparesWithoutRegardToCase) {
    ASSERT_TRUE(rows.command("CreateWindowEx", "", "7"));
    ASSERT_TRUE(rows.hint("GetWindowText"));
    ASSERT_TRUE(rows.hint("getwindowrect"));
    ASSERT_TRUE(db.Insert("分类表", "分类名,序号,父类,说明", "'Win32 API','7','0','x'"));

    EXPECT_TRUE(db.Exists("命令库", "", "命令名='createwindowex'"));
    EXPECT_TRUE(db.Exists("命令库", "", "命令名='CREATEWINDOWEX'"));
    EXPECT_TRUE(db.Exists("分类表", "", "分类名='win32 api'"));
    EXPECT_TRUE(db.Exists("命令表", "命令", "命令='GETWINDOWTEXT'"));
    EXPECT_FALSE(db.Exists("命令库", "", "命令名='CreateWindow'"));

    struct Case {
        std::string prefix;
        std::size_t matches;
    };
    const Case cases[] = {{"getw", 2}, {"GETWINDOWT", 1}, {"GetWindowR", 1}, {"x", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        EXPECT_EQ(column("命令表", "命令", " 命令 like '" + sqlEscape(c.prefix) + "%'").size(), c.matches);
    }
}

TEST_F(StoreLibraryTables, DescriptionsRoundTripThroughTheFile) {
    const std::string description = "it's a 'quoted' ^! text";
    ASSERT_TRUE(db.Insert("分类表", "分类名,序号,父类,说明",
                          "'c','1','0'," + sqlQuote(escapeDescription(description))));
    const auto stored = column("分类表", "说明");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], "it^!s a ^!quoted^! ^! text");
    // A typed "^!" comes back as an apostrophe: the stored format is lossy there.
    EXPECT_EQ(unescapeDescription(stored[0]), "it's a 'quoted' ' text");
}

}  // namespace
}  // namespace quorvane::store
