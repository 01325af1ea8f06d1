#include "store/record_store.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdint>

namespace quorvane::store {

namespace {

std::string whereClause(std::string_view condition) {
    return condition.empty() ? std::string() : " where " + std::string(condition);
}

std::string_view orStar(std::string_view fields) {
    return fields.empty() ? std::string_view("*") : fields;
}

std::string numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string valueText(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* integer = std::get_if<std::int64_t>(&value)) return std::to_string(*integer);
    if (const auto* real = std::get_if<double>(&value)) return numberText(*real);
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value))
        return std::string(bytes->begin(), bytes->end());
    return std::string();
}

// Text reads as the number it begins with (after blanks); no number gives 0.
double textNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return 0;
    return value;
}

}  // namespace

bool RecordStore::Open(DbConnection& control, const std::filesystem::path& path,
                       const std::string& password) {
    dbControl_ = &control;
    opened_ = control.open(path, password);
    return opened_;
}

void RecordStore::Close() {
    if (dbControl_ != nullptr) dbControl_->close();
    opened_ = false;
}

bool RecordStore::Insert(std::string_view table, std::string_view fields, std::string_view values) {
    if (dbControl_ == nullptr) return false;
    return dbControl_->execute("insert into " + std::string(table) + "(" + std::string(fields) +
                               ") values (" + std::string(values) + ")");
}

bool RecordStore::Exists(std::string_view table, std::string_view fields, std::string_view condition) {
    if (dbControl_ == nullptr) return false;
    const ResultSetHandle handle =
        dbControl_->openResultSet("select " + std::string(orStar(fields)) + " from " + std::string(table) +
                                  " where " + std::string(condition));
    replaceCurrentQuery(handle);
    const bool found = handle != 0 && !dbControl_->pastEnd(handle);
    dbControl_->closeResultSet(handle);
    currentQuery_ = 0;
    return found;
}

bool RecordStore::Update(std::string_view table, std::string_view assignments, std::string_view condition) {
    if (dbControl_ == nullptr) return false;
    return dbControl_->execute("update " + std::string(table) + " set " + std::string(assignments) +
                               whereClause(condition));
}

ResultSetHandle RecordStore::Query(std::string_view table, std::string_view fields,
                                   std::string_view condition) {
    if (dbControl_ == nullptr) return 0;
    const ResultSetHandle handle = dbControl_->openResultSet(
        "select " + std::string(orStar(fields)) + " from " + std::string(table) + whereClause(condition));
    replaceCurrentQuery(handle);
    if (handle != 0 && !dbControl_->pastEnd(handle)) return handle;
    // An empty set stays open as the current query; only an omitted-handle
    // CloseQuery can reach it now.
    currentQueryUnclaimed_ = handle != 0;
    return 0;
}

void RecordStore::CloseQuery(OptionalHandle handle) {
    const ResultSetHandle target = handle.value_or(currentQuery_);
    if (dbControl_ != nullptr) dbControl_->closeResultSet(target);
    if (target == currentQuery_) {
        currentQuery_ = 0;
        currentQueryUnclaimed_ = false;
    }
}

void RecordStore::NextRecord(OptionalHandle handle) {
    if (dbControl_ != nullptr) dbControl_->moveNext(handle.value_or(currentQuery_));
}

void RecordStore::FirstRecord(OptionalHandle handle) {
    if (dbControl_ != nullptr) dbControl_->moveFirst(handle.value_or(currentQuery_));
}

std::string RecordStore::ReadText(std::string_view field, OptionalHandle handle) {
    return fieldText(field, handle);
}

double RecordStore::ReadNumber(std::string_view field, OptionalHandle handle) {
    if (dbControl_ == nullptr) return 0;
    const FieldValue value = dbControl_->read(handle.value_or(currentQuery_), field);
    if (const auto* integer = std::get_if<std::int64_t>(&value)) return static_cast<double>(*integer);
    if (const auto* real = std::get_if<double>(&value)) return *real;
    return textNumber(valueText(value));
}

bool RecordStore::PastEnd(OptionalHandle handle) {
    if (dbControl_ == nullptr) return true;
    return dbControl_->pastEnd(handle.value_or(currentQuery_));
}

int RecordStore::ReadColumn(std::vector<std::string>& list, std::string_view table, std::string_view field,
                            std::string_view condition) {
    list.clear();
    if (dbControl_ == nullptr) return 0;
    // A local set: the caller's current query is left alone.
    const ResultSetHandle handle =
        dbControl_->openResultSet("select * from " + std::string(table) + whereClause(condition));
    while (handle != 0 && !dbControl_->pastEnd(handle)) {
        list.push_back(fieldText(field, handle));
        dbControl_->moveNext(handle);
    }
    dbControl_->closeResultSet(handle);
    return static_cast<int>(list.size());
}

int RecordStore::ReadTable(std::vector<std::vector<std::string>>& cells, std::string_view table,
                           const std::vector<std::string>& fields, std::string_view condition) {
    std::vector<std::vector<std::string>> rows;
    ResultSetHandle handle = 0;
    if (dbControl_ != nullptr)
        handle = dbControl_->openResultSet("select * from " + std::string(table) + whereClause(condition));
    replaceCurrentQuery(handle);
    while (handle != 0 && !dbControl_->pastEnd(handle)) {
        std::vector<std::string>& row = rows.emplace_back();
        row.reserve(fields.size());
        for (const std::string& field : fields) row.push_back(fieldText(field, handle));
        dbControl_->moveNext(handle);
    }
    // Only Query leaves a set open for its caller; this one is closed even when empty.
    if (handle != 0) dbControl_->closeResultSet(handle);
    currentQuery_ = 0;
    const int count = static_cast<int>(rows.size());
    if (rows.empty()) rows = {{std::string()}};
    cells = std::move(rows);
    return count;
}

bool RecordStore::DeleteWhere(std::string_view table, std::string_view condition) {
    if (dbControl_ == nullptr) return false;
    // Always a where clause: an empty condition is rejected by the engine
    // rather than emptying the table.
    return dbControl_->execute("delete from " + std::string(table) + " where " + std::string(condition));
}

bool RecordStore::DeleteAll(std::string_view table) {
    if (dbControl_ == nullptr) return false;
    return dbControl_->execute("delete from " + std::string(table));
}

bool RecordStore::beginTransaction() {
    return dbControl_ != nullptr && dbControl_->execute("begin immediate");
}

bool RecordStore::commitTransaction() {
    return dbControl_ != nullptr && dbControl_->execute("commit");
}

void RecordStore::rollbackTransaction() {
    if (dbControl_ != nullptr) dbControl_->execute("rollback");
}

void RecordStore::setBusyTimeout(int milliseconds) {
    if (dbControl_ != nullptr) dbControl_->setBusyTimeout(milliseconds);
}

bool RecordStore::failed() const {
    return dbControl_ == nullptr || dbControl_->failed();
}

DbError RecordStore::lastError() const {
    if (dbControl_ == nullptr) return {SQLITE_MISUSE, "the library is not open"};
    return dbControl_->lastError();
}

void RecordStore::clearError() {
    if (dbControl_ != nullptr) dbControl_->clearError();
}

std::int64_t RecordStore::lastInsertedId() const {
    return dbControl_ != nullptr ? dbControl_->lastInsertedId() : 0;
}

int RecordStore::changes() const {
    return dbControl_ != nullptr ? dbControl_->changes() : 0;
}

bool RecordStore::quickCheck() {
    return dbControl_ != nullptr && dbControl_->quickCheck();
}

void RecordStore::replaceCurrentQuery(ResultSetHandle handle) {
    // A set some caller holds the handle of is never closed here, only one
    // that nobody could reach once replaced.
    if (currentQueryUnclaimed_ && dbControl_ != nullptr) dbControl_->closeResultSet(currentQuery_);
    currentQueryUnclaimed_ = false;
    currentQuery_ = handle;
}

std::string RecordStore::fieldText(std::string_view field, OptionalHandle handle) {
    if (dbControl_ == nullptr) return std::string();
    return valueText(dbControl_->read(handle.value_or(currentQuery_), field));
}

}  // namespace quorvane::store
