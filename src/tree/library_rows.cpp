#include "tree/library_rows.h"

#include <vector>

#include "store/sql_text.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

std::string idCondition(std::int64_t id) {
    return std::string(kIdColumn) + "=" + std::to_string(id);
}

bool updateRow(store::RecordStore& db, std::string_view table, std::int64_t id, std::string_view assignments) {
    return db.Update(table, assignments, idCondition(id)) && db.changes() == 1;
}

bool deleteRow(store::RecordStore& db, std::string_view table, std::int64_t id) {
    return db.DeleteWhere(table, idCondition(id)) && db.changes() == 1;
}

std::optional<std::string> rowDescription(store::RecordStore& db, std::string_view table, std::int64_t id) {
    std::vector<std::string> values;
    if (db.ReadColumn(values, table, kDescriptionColumn, idCondition(id)) == 0) return std::nullopt;
    return store::unescapeDescription(values.front());
}

}  // namespace quorvane::tree
