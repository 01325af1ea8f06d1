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

namespace quorvane::store {

using ResultSetHandle = int;  // 0: no set could be opened

// A column value as the engine gives it; monostate for NULL or a missing column.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

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

    bool execute(const std::string& sql);
    ResultSetHandle openResultSet(const std::string& sql);
    void closeResultSet(ResultSetHandle handle);
    bool pastEnd(ResultSetHandle handle);
    void moveNext(ResultSetHandle handle);
    void moveFirst(ResultSetHandle handle);
    // Column by name, compared without regard to case.
    FieldValue read(ResultSetHandle handle, std::string_view column);

private:
    struct ResultSet;
    sqlite3* db_ = nullptr;
    std::map<ResultSetHandle, std::unique_ptr<ResultSet>> sets_;
    ResultSetHandle lastHandle_ = 0;
};

}  // namespace quorvane::store
