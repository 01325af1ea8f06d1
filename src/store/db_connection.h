#pragma once
// The external-database control: one connection to the library file, with
// result sets addressed by integer handles. SQLite underneath.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quorvane::store {

using ResultSetHandle = int;  // 0: no set could be opened

// How long a statement waits for a library another connection holds, from open on.
inline constexpr int kBusyTimeoutMs = 3000;

// A column value as the engine gives it; monostate for NULL or a missing column.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

// What went wrong, in SQLite's terms; code 0 when nothing did.
struct DbError {
    int code = 0;
    std::string message;
};

class DbConnection {
public:
    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens an existing library file; fails without touching the file when it
    // is missing, is not a library, or the password does not match.
    bool open(const std::filesystem::path& path, const std::string& password);
    void close();
    bool isOpen() const;
    // Until the next open, which sets kBusyTimeoutMs again; 0 never waits.
    void setBusyTimeout(int milliseconds);

    bool execute(const std::string& sql);
    ResultSetHandle openResultSet(const std::string& sql);
    void closeResultSet(ResultSetHandle handle);
    bool pastEnd(ResultSetHandle handle);
    void moveNext(ResultSetHandle handle);
    void moveFirst(ResultSetHandle handle);
    // Column by name, compared without regard to case.
    FieldValue read(ResultSetHandle handle, std::string_view column);

    // The engine's own consistency check of the whole file (PRAGMA quick_check):
    // true only when it finds nothing wrong.
    bool quickCheck();
    // True when the engine could only open the file for reading (the file is write-protected).
    bool isReadOnly() const;
    // Rows the last execute inserted, changed or deleted; 0 when it failed.
    int changes() const { return changes_; }
    // The ID of the row the last successful insert made; 0 before any.
    std::int64_t lastInsertedId() const { return lastInsertedId_; }

    // A failed statement or step is recorded here and stays until open or
    // clearError, so a loop that stopped early can be told from one that ended.
    // A set whose step failed reads as past its end.
    bool failed() const { return lastError_.code != 0; }
    const DbError& lastError() const { return lastError_; }
    void clearError() { lastError_ = {}; }

private:
    struct ResultSet;
    sqlite3_stmt* prepareSingle(const std::string& sql);
    bool step(ResultSet& set);
    void recordEngineError(int code);
    void recordError(int code, std::string message);

    sqlite3* db_ = nullptr;
    std::map<ResultSetHandle, std::unique_ptr<ResultSet>> sets_;
    ResultSetHandle lastHandle_ = 0;
    int changes_ = 0;
    std::int64_t lastInsertedId_ = 0;
    DbError lastError_;
};

}  // namespace quorvane::store
