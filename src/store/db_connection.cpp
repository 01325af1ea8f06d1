#include "store/db_connection.h"

#include <sqlite3.h>

#include <limits>
#include <string_view>
#include <utility>

#include "platform/utf8_path.h"
#include "store/library_check.h"

namespace quorvane::store {

struct DbConnection::ResultSet {
    sqlite3_stmt* stmt = nullptr;
    bool atEnd = true;

    ~ResultSet() { sqlite3_finalize(stmt); }
};

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

std::int32_t pragmaInt(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    std::int32_t value = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

}  // namespace

DbConnection::DbConnection() = default;

DbConnection::~DbConnection() {
    close();
}

bool DbConnection::open(const std::filesystem::path& path, const std::string& password) {
    close();
    clearError();
    if (!detail::headerPassesCheck(path, password)) {
        recordError(SQLITE_AUTH, "not a library, or not its password");
        return false;
    }

    // Never SQLITE_OPEN_CREATE: a missing library is not made here.
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(utf8Of(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (opened != SQLITE_OK) {
        sqlite3_close(db);
        recordError(opened, sqlite3_errstr(opened));
        return false;
    }
    // A backup, a second instance or a virus scanner may hold the file for a
    // moment; waiting a little beats failing the open or the user's edit.
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // The header was read before SQLite had the file; ask the engine too.
    if (pragmaInt(db, "PRAGMA application_id") != detail::kLibraryApplicationId ||
        pragmaInt(db, "PRAGMA user_version") != detail::passwordVerifier(password)) {
        const int code = sqlite3_errcode(db);
        recordError(code != SQLITE_OK ? code : SQLITE_AUTH,
                    code != SQLITE_OK ? sqlite3_errmsg(db) : "not a library, or not its password");
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    return true;
}

void DbConnection::close() {
    sets_.clear();  // statements must be finalized before the connection closes
    if (db_ != nullptr) sqlite3_close(db_);
    db_ = nullptr;
}

bool DbConnection::isOpen() const {
    return db_ != nullptr;
}

void DbConnection::setBusyTimeout(int milliseconds) {
    if (db_ != nullptr) sqlite3_busy_timeout(db_, milliseconds);
}

bool DbConnection::execute(const std::string& sql) {
    changes_ = 0;
    sqlite3_stmt* stmt = prepareSingle(sql);
    if (stmt == nullptr) return false;
    // Counted around the statement: sqlite3_changes keeps the figure of an
    // earlier write when this one (begin, commit) writes no rows.
    const int before = sqlite3_total_changes(db_);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        changes_ = sqlite3_total_changes(db_) - before;
        if (changes_ > 0) lastInsertedId_ = sqlite3_last_insert_rowid(db_);
    } else {
        recordEngineError(rc);
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}

ResultSetHandle DbConnection::openResultSet(const std::string& sql) {
    auto set = std::make_unique<ResultSet>();
    set->stmt = prepareSingle(sql);
    if (set->stmt == nullptr) return 0;
    // A result set only reads; a statement that would write is refused.
    if (!sqlite3_stmt_readonly(set->stmt)) {
        recordError(SQLITE_MISUSE, "a result set only reads");
        return 0;
    }
    if (!step(*set)) return 0;

    // Handles are never reused, so a stale one cannot reach a newer set.
    do {
        lastHandle_ = lastHandle_ == std::numeric_limits<ResultSetHandle>::max() ? 1 : lastHandle_ + 1;
    } while (sets_.count(lastHandle_) != 0);
    sets_.emplace(lastHandle_, std::move(set));
    return lastHandle_;
}

void DbConnection::closeResultSet(ResultSetHandle handle) {
    sets_.erase(handle);
}

bool DbConnection::pastEnd(ResultSetHandle handle) {
    const auto it = sets_.find(handle);
    return it == sets_.end() || it->second->atEnd;
}

void DbConnection::moveNext(ResultSetHandle handle) {
    const auto it = sets_.find(handle);
    if (it != sets_.end() && !it->second->atEnd) step(*it->second);
}

void DbConnection::moveFirst(ResultSetHandle handle) {
    const auto it = sets_.find(handle);
    if (it == sets_.end()) return;
    // reset repeats the error of a failed step; the new step speaks for itself.
    sqlite3_reset(it->second->stmt);
    step(*it->second);
}

FieldValue DbConnection::read(ResultSetHandle handle, std::string_view column) {
    const auto it = sets_.find(handle);
    if (it == sets_.end() || it->second->atEnd) return {};
    sqlite3_stmt* stmt = it->second->stmt;
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(stmt, i);
        if (name == nullptr || !equalsIgnoringAsciiCase(name, column)) continue;
        switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                return std::int64_t{sqlite3_column_int64(stmt, i)};
            case SQLITE_FLOAT:
                return sqlite3_column_double(stmt, i);
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
            }
            case SQLITE_BLOB: {
                const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt, i));
                return std::vector<std::uint8_t>(bytes, bytes + sqlite3_column_bytes(stmt, i));
            }
            default:
                return {};
        }
    }
    return {};
}

bool DbConnection::isReadOnly() const {
    return db_ != nullptr && sqlite3_db_readonly(db_, "main") == 1;
}

bool DbConnection::quickCheck() {
    sqlite3_stmt* stmt = prepareSingle("PRAGMA quick_check");
    if (stmt == nullptr) return false;
    // The check answers one row "ok", or one row per problem it found.
    std::string problem;
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW) break;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        const std::string_view row = text != nullptr ? text : "";
        if (row != "ok" && problem.empty()) problem = row.empty() ? "the file failed its check" : row;
    }
    if (rc != SQLITE_DONE) {
        recordEngineError(rc);
    } else if (!problem.empty()) {
        recordError(SQLITE_CORRUPT, problem);
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE && problem.empty();
}

// One statement only: text after it other than blanks and comments is
// refused, so nothing can ride along behind the statement a caller built.
sqlite3_stmt* DbConnection::prepareSingle(const std::string& sql) {
    if (db_ == nullptr) {
        recordError(SQLITE_MISUSE, "the library is not open");
        return nullptr;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail);
    if (rc != SQLITE_OK) {
        recordEngineError(rc);
        return nullptr;
    }
    if (stmt == nullptr) {
        recordError(SQLITE_MISUSE, "no statement");
        return nullptr;
    }
    const char* end = sql.c_str() + sql.size();
    if (tail != nullptr && tail < end) {
        sqlite3_stmt* next = nullptr;
        const int nextRc = sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &next, nullptr);
        const bool more = nextRc != SQLITE_OK || next != nullptr;
        sqlite3_finalize(next);
        if (more) {
            sqlite3_finalize(stmt);
            recordError(SQLITE_MISUSE, "more than one statement");
            return nullptr;
        }
    }
    return stmt;
}

bool DbConnection::step(ResultSet& set) {
    const int rc = sqlite3_step(set.stmt);
    set.atEnd = rc != SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) return true;
    recordEngineError(rc);
    return false;
}

void DbConnection::recordEngineError(int code) {
    recordError(code, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
}

void DbConnection::recordError(int code, std::string message) {
    lastError_ = {code, std::move(message)};
}

}  // namespace quorvane::store
