// A library with a damaged page: reading it must report the damage, never
// pass a partial table off as the whole of it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "library_fixture.h"

namespace quorvane::store {
namespace {

constexpr int kCommands = 3000;

std::uint32_t bigEndian(const std::vector<char>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct TableLayout {
    std::uint32_t pageSize = 0;
    std::uint32_t rootPage = 0;
};

TableLayout layoutOf(const std::filesystem::path& path, const char* table) {
    TableLayout layout;
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.string().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = std::string("select rootpage, (select page_size from pragma_page_size) ") +
                            "from sqlite_master where type='table' and name='" + table + "'";
    if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        layout.rootPage = static_cast<std::uint32_t>(sqlite3_column_int(stmt, 0));
        layout.pageSize = static_cast<std::uint32_t>(sqlite3_column_int(stmt, 1));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return layout;
}

// Walks the table's b-tree from its root through the middle child of each
// interior page down to a leaf, so the page holds rows from the middle of a scan.
std::uint32_t middleLeafOf(const std::vector<char>& file, const TableLayout& layout) {
    constexpr unsigned char kInteriorTablePage = 0x05;
    constexpr unsigned char kLeafTablePage = 0x0D;
    std::uint32_t page = layout.rootPage;
    for (int depth = 0; depth < 10; ++depth) {
        const std::size_t start = std::size_t{page - 1} * layout.pageSize;
        const std::size_t header = start + (page == 1 ? 100 : 0);
        const auto type = static_cast<unsigned char>(file.at(header));
        if (type == kLeafTablePage) return page;
        if (type != kInteriorTablePage) return 0;
        const std::uint32_t cells = bigEndian(file, header + 3, 2);
        const std::uint32_t cell = bigEndian(file, header + 12 + 2 * (cells / 2), 2);
        page = bigEndian(file, start + cell, 4);  // an interior cell begins with its left child
    }
    return 0;
}

class StoreDamagedLibrary : public testing::LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        ASSERT_TRUE(control.execute("begin"));
        const std::string description(200, 'd');  // many pages' worth of rows
        for (int i = 0; i < kCommands; ++i) {
            ASSERT_TRUE(
                db.Insert("命令库", "命令名,中文名,分类,说明",
                          sqlQuote("Command" + std::to_string(i)) + ",'命令','1','" + description + "'"));
        }
        ASSERT_TRUE(control.execute("commit"));
        db.Close();
    }

    // Overwrites a leaf page from the middle of 命令库 with garbage, then reopens.
    void damageMiddleOfCommandTable() {
        const TableLayout layout = layoutOf(libraryPath(), "命令库");
        ASSERT_GT(layout.pageSize, 0u);
        std::vector<char> file = testing::fileBytes(libraryPath());
        const std::uint32_t leaf = middleLeafOf(file, layout);
        ASSERT_GT(leaf, 1u) << "the table should span several pages";
        std::fstream out(libraryPath(), std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(static_cast<std::streamoff>(leaf - 1) * layout.pageSize);
        const std::string garbage(layout.pageSize, '\xA5');
        out.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
        out.close();
        ASSERT_TRUE(out);
        ASSERT_TRUE(db.Open(control, libraryPath(), kLibraryPassword));
    }
};

// Each way of reading a whole table, returning the rows it saw.
struct Reader {
    const char* name;
    std::function<int(RecordStore&)> read;
    int intactRows;
};

const Reader kReaders[] = {
    {"Query loop",
     [](RecordStore& db) {
         int rows = 0;
         const ResultSetHandle h = db.Query("命令库", "", "");
         while (!db.PastEnd(h)) {
             ++rows;
             db.NextRecord(h);
         }
         db.CloseQuery(h);
         return rows;
     },
     kCommands},
    {"ReadColumn",
     [](RecordStore& db) {
         std::vector<std::string> list;
         return db.ReadColumn(list, "命令库", "命令名", "");
     },
     kCommands},
    {"ReadTable",
     [](RecordStore& db) {
         std::vector<std::vector<std::string>> cells;
         return db.ReadTable(cells, "命令库", {"命令名", "说明"}, "");
     },
     kCommands},
    {"Exists of the last row, found by a scan",
     [](RecordStore& db) {
         const std::string last = "%" + std::to_string(kCommands - 1);
         return db.Exists("命令库", "", "命令名 like " + sqlQuote(last)) ? 1 : 0;
     },
     1},
};

TEST_F(StoreDamagedLibrary, IntactLibraryEndsWithoutFailure) {
    ASSERT_TRUE(db.Open(control, libraryPath(), kLibraryPassword));
    EXPECT_TRUE(db.quickCheck());
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        EXPECT_EQ(reader.read(db), reader.intactRows);
        EXPECT_FALSE(db.failed()) << db.lastError().message;
    }
}

TEST_F(StoreDamagedLibrary, ReadingPastADamagedPageIsAFailure) {
    damageMiddleOfCommandTable();
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        db.clearError();
        EXPECT_LT(reader.read(db), kCommands);
        EXPECT_TRUE(db.failed());
        EXPECT_EQ(db.lastError().code, SQLITE_CORRUPT) << db.lastError().message;
    }
}

TEST_F(StoreDamagedLibrary, QuickCheckFindsTheDamage) {
    damageMiddleOfCommandTable();
    db.clearError();
    EXPECT_FALSE(db.quickCheck());
    EXPECT_TRUE(db.failed());
    EXPECT_FALSE(db.lastError().message.empty());
}

}  // namespace
}  // namespace quorvane::store
