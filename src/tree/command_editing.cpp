#include "tree/command_editing.h"

#include <optional>
#include <utility>

#include "store/sql_text.h"
#include "tree/library_rows.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

namespace {

std::optional<CommandRow> readCommandRow(store::RecordStore& db, std::int64_t id) {
    const store::ResultSetHandle rows = db.Query(kCommandTable, "*", idCondition(id));
    if (rows == 0) return std::nullopt;
    CommandRow row{db.ReadText(kCommandNameColumn, rows), db.ReadText(kChineseNameColumn, rows),
                   store::unescapeDescription(db.ReadText(kDescriptionColumn, rows))};
    db.CloseQuery(rows);
    return row;
}

}  // namespace

void CommandEditing::addCommand() {
    state_.commandEditMode = CommandEditMode::Add;
    CommandEditWindow window(model_, commandDb_, messages_, state_, std::nullopt);
    forms_.run(commandForm(), window);
}

void CommandEditing::modifyCommand() {
    const int selected = model_.selected();
    if (selected < 0) {
        messages_.show("请选择要修改的命令");
        return;
    }
    if (!model_.isCommand(selected)) return;
    // Only the row the item shows may be changed: without it there is nothing to modify.
    std::optional<CommandRow> row = readCommandRow(commandDb_, model_.rowId(selected));
    if (!row) {
        messages_.show("命令库中没有这个命令的记录，无法修改。", MessageIcon::Warning);
        return;
    }
    state_.commandEditMode = CommandEditMode::Modify;
    state_.editedCommandId = model_.rowId(selected);
    state_.editedCommandCategory = model_.value(model_.parent(selected));
    CommandEditWindow window(model_, commandDb_, messages_, state_, std::move(row));
    forms_.run(commandForm(), window);
}

void CommandEditing::deleteCommand(int index) {
    if (deleteRow(commandDb_, kCommandTable, model_.rowId(index)))
        model_.remove(index);
    else
        messages_.show("删除失败");
}

}  // namespace quorvane::tree
