#pragma once
// The large library the benchmarks measure against: 5,000 categories over
// three levels and 100,000 commands, rows in no particular order.
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

}  // namespace quorvane::bench
