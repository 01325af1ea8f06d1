#pragma once
// Rows of the library addressed by their ID, the way the tree's items name
// them: a write that changes no row, or more than one, is a failure.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "store/record_store.h"

namespace quorvane::tree {

// "ID=7"
std::string idCondition(std::int64_t id);
// True when exactly the row with this ID changed.
bool updateRow(store::RecordStore& db, std::string_view table, std::int64_t id, std::string_view assignments);
bool deleteRow(store::RecordStore& db, std::string_view table, std::int64_t id);
// The row's description with its apostrophes back; nullopt when there is no such row.
std::optional<std::string> rowDescription(store::RecordStore& db, std::string_view table, std::int64_t id);

}  // namespace quorvane::tree
