#pragma once
// The library's table of hint words.
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::hints {

inline constexpr char kHintTable[] = "命令表";
inline constexpr char kHintWordColumn[] = "命令";
inline constexpr char kHintKeyColumn[] = "ID";

// Stores the word and its description as given; true when exactly one row
// was written.
bool insertHintWord(store::RecordStore& commandDb, const store::HintWord& hint);

}  // namespace quorvane::hints
