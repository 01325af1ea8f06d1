#include "store/library_file.h"

#include <sqlite3.h>

#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/utf8_path.h"
#include "store/library_check.h"

namespace quorvane::store {

namespace {

// A column of a library table. width 0 is MEMO: text without a limit.
struct Column {
    std::string_view name;
    int width;
};

struct TableDefinition {
    std::string_view name;
    std::vector<Column> columns;
};

const std::vector<TableDefinition>& libraryTables() {
    static const std::vector<TableDefinition> tables = {
        {"分类表", {{"分类名", 50}, {"序号", 12}, {"父类", 12}, {"说明", 255}}},
        {"命令库", {{"命令名", 255}, {"中文名", 255}, {"分类", 50}, {"说明", 0}}},
        {"命令表", {{"命令", 255}, {"说明", 255}}},
    };
    return tables;
}

// The lookups the program makes by these columns: the tree loads commands per
// category, commands are found by name, hints by prefix (like 'abc%' can use
// an index because the column collates NOCASE, as like compares).
constexpr std::string_view kIndexes[] = {
    "create index [命令库_分类] on [命令库]([分类])",
    "create index [命令库_命令名] on [命令库]([命令名])",
    "create index [命令表_命令] on [命令表]([命令])",
    "create index [分类表_序号] on [分类表]([序号])",
    "create index [分类表_分类名] on [分类表]([分类名])",
};

bool exec(sqlite3* db, std::string_view sql) {
    return sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// One table: a Counter key, text columns that compare without regard to case
// (a name or word is the same one whatever its case), and VARCHAR widths
// enforced as limits in characters, so a longer value is refused like any
// other engine error.
bool createLibraryTable(sqlite3* db, const TableDefinition& table, std::string_view keyColumn = "ID") {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string.
    std::string sql = "create table [";
    sql.append(table.name).append("]([").append(keyColumn).append("] INTEGER PRIMARY KEY AUTOINCREMENT");
    for (const Column& column : table.columns) {
        std::string name = "[";
        name.append(column.name).append("]");
        sql += ',';
        sql += name;
        if (column.width > 0) {
            const std::string width = std::to_string(column.width);
            sql.append(" VARCHAR(").append(width).append(") COLLATE NOCASE CHECK(length(").append(name);
            sql.append(") <= ").append(width).append(")");
        } else {
            sql += " TEXT COLLATE NOCASE";
        }
    }
    sql += ")";
    return exec(db, sql);
}

// Bound, not quoted: the words are the program's own list, thousands of
// them, and one prepared statement takes them all.
bool insertHintWords(sqlite3* db, const std::vector<HintWord>& words) {
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, "insert into [命令表]([命令],[说明]) values (?, ?)", -1, &insert, nullptr) !=
        SQLITE_OK) {
        return false;
    }
    bool written = true;
    for (const HintWord& hint : words) {
        sqlite3_bind_text(insert, 1, hint.word.data(), static_cast<int>(hint.word.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, hint.description.data(), static_cast<int>(hint.description.size()),
                          SQLITE_STATIC);
        written = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
        if (!written) break;
    }
    sqlite3_finalize(insert);
    return written;
}

bool buildLibrary(sqlite3* db, const std::string& password, const std::vector<HintWord>& hintWords) {
    if (!exec(db, "begin")) return false;
    for (const TableDefinition& table : libraryTables())
        if (!createLibraryTable(db, table)) return false;
    for (const std::string_view index : kIndexes)
        if (!exec(db, index)) return false;
    if (!insertHintWords(db, hintWords)) return false;
    const std::string check = "PRAGMA application_id = " + std::to_string(detail::kLibraryApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(detail::passwordVerifier(password));
    return exec(db, check) && exec(db, "commit");
}

// Something is at the path (a dangling link included), or we cannot tell.
bool pathTaken(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    return status.type() != std::filesystem::file_type::not_found;
}

// Empty when no free name turns up.
std::filesystem::path freshTemporaryName(const std::filesystem::path& path) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = path;
        candidate += ".new-" + std::to_string(entropy() % 1000000u);
        if (!pathTaken(candidate)) return candidate;
    }
    return {};
}

void removeTemporary(const std::filesystem::path& temp) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    std::filesystem::path journal = temp;
    journal += "-journal";
    std::filesystem::remove(journal, ignored);
}

}  // namespace

int columnWidth(std::string_view table, std::string_view column) {
    for (const TableDefinition& definition : libraryTables()) {
        if (definition.name != table) continue;
        for (const Column& each : definition.columns)
            if (each.name == column) return each.width;
    }
    return 0;
}

bool createLibrary(const std::filesystem::path& path, const std::string& password,
                   const std::vector<HintWord>& hintWords) {
    // An existing file is never replaced, whatever it holds.
    if (pathTaken(path)) return false;

    const std::filesystem::path temp = freshTemporaryName(path);
    if (temp.empty()) return false;
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(utf8Of(temp).c_str(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const bool built = opened == SQLITE_OK && buildLibrary(db, password, hintWords);
    const bool closed = sqlite3_close(db) == SQLITE_OK;
    if (!built || !closed) {
        removeTemporary(temp);
        return false;
    }
    // Checked again just before the rename, which would replace a file.
    if (pathTaken(path)) {
        removeTemporary(temp);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        removeTemporary(temp);
        return false;
    }
    return true;
}

}  // namespace quorvane::store
