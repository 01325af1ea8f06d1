#pragma once
// The one object through which every record of the library is read and
// written. Callers build field lists, quoted values (sql_text.h) and
// conditions; the statement frame is added here.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/db_connection.h"

namespace quorvane::store {

// An omitted handle means "the current query", which is not the same as 0.
using OptionalHandle = std::optional<ResultSetHandle>;

class RecordStore {
public:
    bool Open(DbConnection& control, const std::filesystem::path& path, const std::string& password);
    void Close();
    bool Insert(std::string_view table, std::string_view fields, std::string_view values);
    bool Exists(std::string_view table, std::string_view fields, std::string_view condition);
    bool Update(std::string_view table, std::string_view assignments, std::string_view condition);
    ResultSetHandle Query(std::string_view table, std::string_view fields, std::string_view condition);
    void CloseQuery(OptionalHandle handle = std::nullopt);
    void NextRecord(OptionalHandle handle = std::nullopt);
    void FirstRecord(OptionalHandle handle = std::nullopt);
    std::string ReadText(std::string_view field, OptionalHandle handle = std::nullopt);
    double ReadNumber(std::string_view field, OptionalHandle handle = std::nullopt);
    bool PastEnd(OptionalHandle handle = std::nullopt);
    int ReadColumn(std::vector<std::string>& list, std::string_view table, std::string_view field,
                   std::string_view condition);
    int ReadTable(std::vector<std::vector<std::string>>& cells, std::string_view table,
                  const std::vector<std::string>& fields, std::string_view condition);
    bool DeleteWhere(std::string_view table, std::string_view condition);
    bool DeleteAll(std::string_view table);

    // Writes between begin and commit reach the file together or not at all.
    // Begin takes the write lock at once, so a busy library fails here,
    // before any work; rollback undoes everything since begin.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();

    // How long statements wait for a library another connection holds
    // (kBusyTimeoutMs after Open); 0 never waits.
    void setBusyTimeout(int milliseconds);

    ResultSetHandle currentQuery() const { return currentQuery_; }
    bool opened() const { return opened_; }

    // A statement or a step that failed since Open or clearError: a damaged
    // page ends a set as PastEnd does, and this tells the two apart.
    // Without a connection every operation fails, so this is true.
    bool failed() const;
    DbError lastError() const;
    void clearError();
    // Rows the last Insert, Update, DeleteWhere or DeleteAll changed; 0 when it
    // failed. A write meant for one row can check that it touched exactly one.
    int changes() const;
    // The ID of the row the last successful Insert made.
    std::int64_t lastInsertedId() const;
    // The engine's consistency check of the whole file; false on any finding.
    bool quickCheck();

private:
    void replaceCurrentQuery(ResultSetHandle handle);
    std::string fieldText(std::string_view field, OptionalHandle handle);

    DbConnection* dbControl_ = nullptr;
    ResultSetHandle currentQuery_ = 0;
    bool opened_ = false;
    // currentQuery_ is an empty set whose handle no caller was given (Query
    // returned 0); it is closed when replaced instead of being leaked.
    bool currentQueryUnclaimed_ = false;
};

}  // namespace quorvane::store
