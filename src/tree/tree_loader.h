#pragma once
#include "settings/settings_file.h"
#include "store/record_store.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

// Fills an empty model from the library, once at start-up: categories nested
// by their parent numbers, breadth-first, each with its subcategories first
// and then its commands; the category saved at the last shut-down is opened
// again with all its ancestors. Nothing is selected afterwards.
//
// A category whose parent is never placed is shown at the top level after
// all placed categories, with its own subtree below it: first those whose
// parent number no category has, in row order, then the first row of each
// loop of parents. Every row stays reachable, so it can still be renamed,
// given commands or deleted.
// The same tree without opening anything: false when 分类表 has no rows.
bool fillCommandTree(TreeModel& model, store::RecordStore& commandDb);
void loadCommandTree(TreeModel& model, store::RecordStore& commandDb, const settings::SettingsFile& settings);

}  // namespace quorvane::tree
