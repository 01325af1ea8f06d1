// Backups of the library in "backups" beside it, and the way back from one.
#include "store/library_backup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library_fixture.h"

namespace quorvane::store::testing {
namespace {

namespace fs = std::filesystem;

LocalTime at(int day, int hour, int minute, int second) {
    return {2024, 3, day, hour, minute, second};
}

std::vector<std::string> names(const std::vector<fs::path>& files) {
    std::vector<std::string> out;
    for (const fs::path& file : files) out.push_back(file.filename().string());
    return out;
}

std::vector<std::string> commandNamesIn(const fs::path& library) {
    DbConnection control;
    RecordStore db;
    EXPECT_TRUE(db.Open(control, library, kLibraryPassword)) << library;
    std::vector<std::string> list;
    db.ReadColumn(list, "命令库", "命令名", "");
    return list;
}

class LibraryBackupTest : public LibraryFixture {
protected:
    fs::path folder() const { return dir / kBackupFolderName; }
    BackupResult backUp(const LocalTime& time, bool onlyWhenChanged = true) {
        return backups.backUp(time, onlyWhenChanged);
    }

    LibraryBackups backups{libraryPath(), kLibraryPassword};
};

TEST(BackupNames, CarryTheDateAndTimeToTheSecond) {
    EXPECT_EQ(backupFileName({2024, 1, 2, 3, 4, 5}), "Cmlsjk-20240102-030405.mdb");
    EXPECT_EQ(backupFileName({1999, 12, 31, 23, 59, 59}), "Cmlsjk-19991231-235959.mdb");
}

TEST_F(LibraryBackupTest, ACopyIsMadeOnlyWhenTheLibraryChangedSinceTheNewest) {
    rows.command("first", "", "1");
    const BackupResult made = backUp(at(1, 8, 0, 0));
    ASSERT_EQ(made.outcome, BackupResult::Outcome::Made) << made.problem;
    EXPECT_EQ(made.file, folder() / "Cmlsjk-20240301-080000.mdb");
    EXPECT_EQ(commandNamesIn(made.file), std::vector<std::string>{"first"});
    EXPECT_TRUE(sameDatabase(libraryPath(), made.file));

    EXPECT_EQ(backUp(at(1, 9, 0, 0)).outcome, BackupResult::Outcome::Unchanged);
    rows.command("second", "", "1");
    EXPECT_FALSE(sameDatabase(libraryPath(), made.file));
    EXPECT_EQ(backUp(at(1, 10, 0, 0)).outcome, BackupResult::Outcome::Made);
    EXPECT_EQ(names(listBackups(folder())),
              (std::vector<std::string>{"Cmlsjk-20240301-080000.mdb", "Cmlsjk-20240301-100000.mdb"}));
    // Asked for one whatever the newest holds, it makes one.
    EXPECT_EQ(backUp(at(1, 11, 0, 0), false).outcome, BackupResult::Outcome::Made);
}

// The backup is the library, password check and all: it opens as the library does.
TEST_F(LibraryBackupTest, EachBackupPassesTheLibrarysChecks) {
    rows.command("x", "", "1");
    const BackupResult made = backUp(at(1, 8, 0, 0));
    DbConnection backup;
    EXPECT_TRUE(backup.open(made.file, kLibraryPassword));
    EXPECT_TRUE(backup.quickCheck());
    DbConnection wrong;
    EXPECT_FALSE(wrong.open(made.file, "another password"));
}

TEST_F(LibraryBackupTest, OnlyTheNewestTwentyAreKeptAndOtherFilesAreLeftAlone) {
    ASSERT_TRUE(fs::create_directories(folder()));
    for (const char* other : {"notes.txt", "Cmlsjk-2024-old.mdb", "Cmlsjk-20240101-000000.mdb.new"})
        std::ofstream(folder() / other) << "the user's";
    for (int i = 0; i < 25; ++i) {
        rows.command("c" + std::to_string(i), "", "1");
        ASSERT_EQ(backUp(at(2, 0, i, 0)).outcome, BackupResult::Outcome::Made) << i;
    }
    const std::vector<fs::path> kept = listBackups(folder());
    ASSERT_EQ(kept.size(), kBackupsKept);
    EXPECT_EQ(kept.front().filename(), "Cmlsjk-20240302-000500.mdb");
    EXPECT_EQ(kept.back().filename(), "Cmlsjk-20240302-002400.mdb");
    for (const char* other : {"notes.txt", "Cmlsjk-2024-old.mdb", "Cmlsjk-20240101-000000.mdb.new"})
        EXPECT_TRUE(fs::exists(folder() / other)) << other;
}

// A clock set back still keeps the backup just made, even when its name is the oldest.
TEST_F(LibraryBackupTest, TheBackupJustMadeIsNeverTheOneRotatedAway) {
    for (int i = 0; i < static_cast<int>(kBackupsKept); ++i) {
        rows.command("c" + std::to_string(i), "", "1");
        ASSERT_EQ(backUp(at(20, 0, i, 0)).outcome, BackupResult::Outcome::Made);
    }
    rows.command("after the clock went back", "", "1");
    const BackupResult made = backUp(at(1, 0, 0, 0));
    ASSERT_EQ(made.outcome, BackupResult::Outcome::Made);
    EXPECT_TRUE(fs::exists(made.file));
    EXPECT_EQ(listBackups(folder()).size(), kBackupsKept);
}

// Within one second the later state wins: the name cannot hold both.
TEST_F(LibraryBackupTest, TwoChangesInOneSecondLeaveTheLaterState) {
    rows.command("a", "", "1");
    ASSERT_EQ(backUp(at(1, 8, 0, 0)).outcome, BackupResult::Outcome::Made);
    rows.command("b", "", "1");
    const BackupResult again = backUp(at(1, 8, 0, 0));
    ASSERT_EQ(again.outcome, BackupResult::Outcome::Made);
    EXPECT_EQ(commandNamesIn(again.file), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(listBackups(folder()).size(), 1u);
}

TEST_F(LibraryBackupTest, AFolderThatCannotBeMadeFailsWithoutTouchingTheLibrary) {
    rows.command("x", "", "1");
    std::ofstream(folder()) << "a file where the folder should be";
    const std::vector<char> before = fileBytes(libraryPath());
    const BackupResult failed = backUp(at(1, 8, 0, 0));
    EXPECT_EQ(failed.outcome, BackupResult::Outcome::Failed);
    EXPECT_NE(failed.problem.find("无法建立备份文件夹"), std::string::npos) << failed.problem;
    EXPECT_EQ(fileBytes(libraryPath()), before);
}

class LibraryRestoreTest : public LibraryBackupTest {
protected:
    void SetUp() override {
        LibraryBackupTest::SetUp();
        rows.command("backed up", "", "1");
        backup = backUp(at(1, 8, 0, 0)).file;
        db.Close();
        // Damaged: the first page overwritten, as a failing disk might.
        damaged = std::string(4096, '\x5A');
        std::ofstream(libraryPath(), std::ios::binary) << damaged;
    }

    fs::path backup;
    std::string damaged;
};

TEST_F(LibraryRestoreTest, TheBackupTakesThePlaceAndTheDamagedFileIsKeptAside) {
    std::ofstream(dir / "Cmlsjk-damaged-1.mdb") << "an earlier one";
    std::ofstream(libraryPath().string() + "-journal", std::ios::binary) << "its journal";
    const RestoreResult restored = restoreLibrary(libraryPath(), backup, kLibraryPassword);
    ASSERT_TRUE(restored.restored) << restored.problem;
    EXPECT_EQ(restored.damagedKeptAs, dir / "Cmlsjk-damaged-2.mdb");
    const std::vector<char> kept = fileBytes(restored.damagedKeptAs);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), damaged);
    // The journal belongs to the damaged file: beside the restored one it would be played back into it.
    EXPECT_FALSE(fs::exists(libraryPath().string() + "-journal"));
    EXPECT_TRUE(fs::exists(dir / "Cmlsjk-damaged-2.mdb-journal"));
    EXPECT_EQ(commandNamesIn(libraryPath()), std::vector<std::string>{"backed up"});
    EXPECT_TRUE(fs::exists(backup)) << "the backup itself stays";
}

TEST_F(LibraryRestoreTest, AnUnusableBackupChangesNothing) {
    std::ofstream(backup, std::ios::binary | std::ios::trunc) << "not a database";
    const RestoreResult restored = restoreLibrary(libraryPath(), backup, kLibraryPassword);
    EXPECT_FALSE(restored.restored);
    EXPECT_NE(restored.problem.find("无法使用"), std::string::npos) << restored.problem;
    const std::vector<char> library = fileBytes(libraryPath());
    EXPECT_EQ(std::string(library.begin(), library.end()), damaged);
    EXPECT_EQ(directoryNames(dir.path()), (std::set<std::string>{kLibraryFileName, kBackupFolderName}));
}

}  // namespace
}  // namespace quorvane::store::testing
