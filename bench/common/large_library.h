#pragma once
// The large library the benchmarks measure against: 5,000 categories over
// three levels and 100,000 commands, rows in no particular order.
#include "store/db_connection.h"
#include "store/record_store.h"

namespace quorvane::bench {

inline constexpr int kLargeLibraryCategories = 5000;
inline constexpr int kLargeLibraryCommands = 100'000;

// Fills a freshly created, open library in one transaction. False when a row
// could not be written.
bool fillLargeLibrary(store::DbConnection& control, store::RecordStore& db);

}  // namespace quorvane::bench
