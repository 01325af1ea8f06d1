#include "tree/tree_loader.h"

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "settings/settings_keys.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

namespace {

struct CategoryRow {
    std::string name;
    std::int32_t number = 0;
    std::int32_t parent = 0;
    std::int64_t id = 0;
    bool placed = false;
};

std::int64_t rowIdOf(store::RecordStore& db, store::ResultSetHandle set) {
    return static_cast<std::int64_t>(db.ReadNumber(kIdColumn, set));
}

std::vector<CategoryRow> readCategories(store::RecordStore& db, store::ResultSetHandle set) {
    std::vector<CategoryRow> rows;
    while (!db.PastEnd(set)) {
        CategoryRow& row = rows.emplace_back();
        row.name = db.ReadText(kCategoryNameColumn, set);
        row.number = settings::toInteger(db.ReadText(kCategoryNumberColumn, set));
        row.parent = settings::toInteger(db.ReadText(kCategoryParentColumn, set));
        row.id = rowIdOf(db, set);
        db.NextRecord(set);
    }
    db.CloseQuery(set);
    return rows;
}

// Breadth-first: the top level in row order, then the children of the first
// placed category, of the second, and so on; siblings in row order. Rows are
// grouped by parent number once, which places exactly what rescanning the
// remaining rows for each queued number would, without the rescans.
void placeCategories(TreeModel& model, std::vector<CategoryRow>& rows) {
    std::unordered_map<std::int32_t, std::vector<std::size_t>> byParent;
    for (std::size_t i = 0; i < rows.size(); ++i) byParent[rows[i].parent].push_back(i);

    std::deque<std::int32_t> queue;
    const auto place = [&](CategoryRow& row, TreeItemId under) {
        model.addChild(under, std::move(row.name), ItemKind::Category, row.number, row.id);
        row.placed = true;
        queue.push_back(row.number);
    };
    const auto placeChildrenOf = [&](std::int32_t number) {
        const auto children = byParent.find(number);
        if (children == byParent.end()) return;
        // Parent number 0 is the top level, even when some row's number reads as 0.
        const TreeItemId under = number == 0 ? TreeItemId::None : model.findIdByValue(number);
        for (const std::size_t i : children->second)
            if (!rows[i].placed) place(rows[i], under);
    };

    placeChildrenOf(0);

    // What is left hangs from a number no row has, or from a loop of parents.
    // Rows of the first kind go to the top level first, in row order, each
    // taking its subtree along; then the first row of each remaining loop.
    std::unordered_set<std::int32_t> numbers;
    for (const CategoryRow& row : rows) numbers.insert(row.number);
    const auto orphan = [&](const CategoryRow& row) { return numbers.count(row.parent) == 0; };
    std::size_t nextOrphan = 0;
    std::size_t nextUnplaced = 0;
    for (;;) {
        while (!queue.empty()) {
            const std::int32_t number = queue.front();
            queue.pop_front();
            placeChildrenOf(number);
        }
        while (nextOrphan < rows.size() && (rows[nextOrphan].placed || !orphan(rows[nextOrphan])))
            ++nextOrphan;
        while (nextUnplaced < rows.size() && rows[nextUnplaced].placed) ++nextUnplaced;
        if (nextOrphan < rows.size()) {
            place(rows[nextOrphan], TreeItemId::None);
        } else if (nextUnplaced < rows.size()) {
            place(rows[nextUnplaced], TreeItemId::None);
        } else {
            break;
        }
    }
}

struct CommandRow {
    std::string label;
    std::int64_t id = 0;
};

// Commands by the category text they name, each list in row order.
using CommandsByCategory = std::unordered_map<std::string, std::vector<CommandRow>>;

// One pass over the commands instead of one query per category: the same
// rows in the same order (a category's query matches its decimal number
// exactly, since case folding cannot change digits, and returns its rows in
// row order like the whole table does), without thousands of statements
// and scattered page reads.
CommandsByCategory readCommands(store::RecordStore& db, std::size_t& count) {
    CommandsByCategory commands;
    const store::ResultSetHandle set = db.Query(kCommandTable, "*", "");
    if (set == 0) return commands;
    while (!db.PastEnd(set)) {
        commands[db.ReadText(kCommandCategoryColumn, set)].push_back(
            {commandLabel(db.ReadText(kCommandNameColumn, set), db.ReadText(kChineseNameColumn, set)),
             rowIdOf(db, set)});
        ++count;
        db.NextRecord(set);
    }
    db.CloseQuery(set);
    return commands;
}

void hangCommands(TreeModel& model, store::RecordStore& db) {
    std::size_t count = 0;
    const CommandsByCategory commands = readCommands(db, count);
    model.reserve(model.count() + static_cast<int>(count));
    // Downwards, so that commands added under k never move an item still to be visited.
    for (int k = model.count() - 1; k >= 0; --k) {
        const auto found = commands.find(std::to_string(model.value(k)));
        if (found == commands.end()) continue;
        for (const CommandRow& row : found->second) model.add(k, row.label, ItemKind::Command, 0, row.id);
    }
}

void expandSavedCategory(TreeModel& model, const std::string& saved) {
    if (saved.empty()) return;
    const std::int32_t number = settings::toInteger(saved);
    // 0 (or no number at all) names no category the program makes.
    if (number == 0) return;
    for (int item = model.findItemByValue(number); item >= 0; item = model.parent(item)) model.expand(item);
}

}  // namespace

bool fillCommandTree(TreeModel& model, store::RecordStore& commandDb) {
    const store::ResultSetHandle set = commandDb.Query(kCategoryTable, "*", "");
    if (set == 0) return false;
    std::vector<CategoryRow> rows = readCategories(commandDb, set);
    placeCategories(model, rows);
    hangCommands(model, commandDb);
    return true;
}

void loadCommandTree(TreeModel& model, store::RecordStore& commandDb,
                     const settings::SettingsFile& settings) {
    if (fillCommandTree(model, commandDb)) expandSavedCategory(model, settings.readOption(settings::kExpandedCategoryKey));
}

}  // namespace quorvane::tree
