// A library with a damaged page: reading it must report the damage, never
// pass a partial table off as the whole of it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fakes/damaged_page.h"
#include "library_fixture.h"

namespace quorvane::store {
namespace {

constexpr int kCommands = 3000;

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
        ASSERT_TRUE(fakes::damageMiddleOf(libraryPath(), "命令库"));
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
