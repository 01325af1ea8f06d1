#pragma once
// The large library the benchmarks measure against: 5,000 categories over
// three levels and 100,000 commands, rows in no particular order; and as
// many hint words as a benchmark asks for.
#include <filesystem>

#include "fakes/temp_dir.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::bench {

inline constexpr int kLargeLibraryCategories = 5000;
inline constexpr int kLargeLibraryCommands = 100'000;

// Fills a freshly created, open library in one transaction. False when a row
// could not be written.
bool fillLargeLibrary(store::DbConnection& control, store::RecordStore& db);

// The large library in a temporary folder of its own, made once and left
// open on `db`, as the program holds its library.
struct LargeLibraryFile {
    LargeLibraryFile();

    fakes::TempDir dir;
    std::filesystem::path path = dir / store::kLibraryFileName;
    store::DbConnection control;
    store::RecordStore db;
    bool ready = false;
    double fileBytes = 0;
};
// Hint words begin with one of these letters, each with as many words.
inline constexpr char kHintInitials[] = "GSCDFHMPRT";

// Fills a freshly created, open library with `count` hint words in one
// transaction: an initial of kHintInitials in turn, then 5 to 15 letters of
// either case at random. False when a row could not be written.
bool fillHintWords(store::DbConnection& control, store::RecordStore& db, int count);

}  // namespace quorvane::bench
