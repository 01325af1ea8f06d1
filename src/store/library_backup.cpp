#include "store/library_backup.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/utf8_path.h"
#include "store/db_connection.h"
#include "store/library_check.h"

namespace quorvane::store {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBackupPrefix = "Cmlsjk-";
constexpr std::string_view kBackupExtension = ".mdb";
// "Cmlsjk-" "YYYYMMDD" "-" "HHMMSS" ".mdb"
constexpr std::size_t kBackupNameLength = kBackupPrefix.size() + 8 + 1 + 6 + kBackupExtension.size();

bool isDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBackupName(std::string_view name) {
    if (name.size() != kBackupNameLength || name.substr(0, kBackupPrefix.size()) != kBackupPrefix ||
        name.substr(name.size() - kBackupExtension.size()) != kBackupExtension)
        return false;
    const std::string_view stamp = name.substr(kBackupPrefix.size(), 15);
    return isDigits(stamp.substr(0, 8)) && stamp[8] == '-' && isDigits(stamp.substr(9, 6));
}

bool pathTaken(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

fs::path withSuffix(fs::path path, std::string_view suffix) {
    path += std::string(suffix);
    return path;
}

// A file that opens as the library does and that the engine finds sound.
bool passesChecks(const fs::path& file, const std::string& password) {
    DbConnection check;
    return check.open(file, password) && check.quickCheck();
}

// The online backup API: page by page from a connection that only reads.
std::string copyDatabase(const fs::path& from, const fs::path& to) {
    sqlite3* source = nullptr;
    sqlite3* target = nullptr;
    std::string problem;
    if (sqlite3_open_v2(utf8Of(from).c_str(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problem = "无法读取命令数据库";
    } else if (sqlite3_open_v2(utf8Of(to).c_str(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                               nullptr) != SQLITE_OK) {
        problem = "无法建立备份文件";
    } else {
        // The panel's own connection may be finishing a write.
        sqlite3_busy_timeout(source, 3000);
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
        if (backup == nullptr) {
            problem = sqlite3_errmsg(target);
        } else {
            const int stepped = sqlite3_backup_step(backup, -1);
            const int finished = sqlite3_backup_finish(backup);
            if (stepped != SQLITE_DONE) problem = sqlite3_errstr(stepped);
            else if (finished != SQLITE_OK) problem = sqlite3_errstr(finished);
        }
    }
    sqlite3_close(source);
    if (sqlite3_close(target) != SQLITE_OK && problem.empty()) problem = "无法写完备份文件";
    return problem;
}

}  // namespace

std::string backupFileName(const LocalTime& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return std::string(kBackupPrefix) + stamp + std::string(kBackupExtension);
}

std::vector<fs::path> listBackups(const fs::path& folder) {
    std::vector<fs::path> backups;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (isBackupName(utf8Of(it->path().filename())) && it->is_regular_file(ec)) backups.push_back(it->path());
    }
    // The names carry the time, so their order is the order of the backups.
    std::sort(backups.begin(), backups.end());
    return backups;
}

bool sameDatabase(const fs::path& a, const fs::path& b) {
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second) return false;
    std::error_code ec1;
    std::error_code ec2;
    if (fs::file_size(a, ec1) != fs::file_size(b, ec2) || ec1 || ec2) return false;

    // Header fields a copy does not take over: the file change counter (24),
    // the schema cookie (40) and the version-valid-for number (92).
    constexpr std::array<std::size_t, 3> kCounters = {24, 40, 92};
    std::array<char, 1 << 16> left{};
    std::array<char, 1 << 16> right{};
    bool header = true;
    for (;;) {
        first.read(left.data(), left.size());
        second.read(right.data(), right.size());
        const std::streamsize got = first.gcount();
        if (got != second.gcount()) return false;
        if (got == 0) return true;
        if (header) {
            if (got < 100) return false;
            for (const std::size_t offset : kCounters) {
                std::fill_n(left.begin() + static_cast<std::ptrdiff_t>(offset), 4, '\0');
                std::fill_n(right.begin() + static_cast<std::ptrdiff_t>(offset), 4, '\0');
            }
            header = false;
        }
        if (!std::equal(left.begin(), left.begin() + got, right.begin())) return false;
    }
}

LibraryBackups::LibraryBackups(fs::path library, std::string password)
    : library_(std::move(library)), password_(std::move(password)) {}

fs::path LibraryBackups::folder() const {
    return library_.parent_path() / kBackupFolderName;
}

std::optional<fs::path> LibraryBackups::newest() const {
    const std::vector<fs::path> backups = listBackups(folder());
    if (backups.empty()) return std::nullopt;
    return backups.back();
}

BackupResult LibraryBackups::backUp(const LocalTime& now, bool onlyWhenChanged) {
    BackupResult result;
    std::error_code ec;
    fs::create_directories(folder(), ec);
    if (ec || !fs::is_directory(folder(), ec)) {
        result.problem = "无法建立备份文件夹 " + utf8Of(folder());
        return result;
    }
    if (onlyWhenChanged) {
        if (const auto last = newest(); last && sameDatabase(library_, *last)) {
            result.outcome = BackupResult::Outcome::Unchanged;
            result.file = *last;
            return result;
        }
    }

    const fs::path file = folder() / backupFileName(now);
    const fs::path temporary = withSuffix(file, ".new");
    removeQuietly(temporary);
    result.problem = copyDatabase(library_, temporary);
    if (result.problem.empty() && !passesChecks(temporary, password_)) result.problem = "备份文件未通过检查";
    // A backup made earlier in the same second holds an older state: the newer one replaces it.
    if (result.problem.empty()) {
        fs::rename(temporary, file, ec);
        if (ec) result.problem = "无法写入 " + utf8Of(file);
    }
    if (!result.problem.empty()) {
        removeQuietly(temporary);
        removeQuietly(withSuffix(temporary, "-journal"));
        return result;
    }

    result.outcome = BackupResult::Outcome::Made;
    result.file = file;
    std::vector<fs::path> backups = listBackups(folder());
    // Oldest first; the one just made always stays, whatever the clock said before.
    std::erase(backups, file);
    for (std::size_t i = 0; i + kBackupsKept - 1 < backups.size(); ++i) removeQuietly(backups[i]);
    return result;
}

RestoreResult restoreLibrary(const fs::path& library, const fs::path& backup, const std::string& password) {
    RestoreResult result;
    const fs::path copy = withSuffix(library, ".restore");
    removeQuietly(copy);
    std::error_code ec;
    fs::copy_file(backup, copy, ec);
    if (ec || !passesChecks(copy, password)) {
        removeQuietly(copy);
        result.problem = "备份文件 " + utf8Of(backup) + " 无法使用";
        return result;
    }

    fs::path aside;
    for (int n = 1; aside.empty() || pathTaken(aside) || pathTaken(withSuffix(aside, "-journal")); ++n)
        aside = library.parent_path() / ("Cmlsjk-damaged-" + std::to_string(n) + ".mdb");
    // A journal left beside the damaged file belongs to it: beside the restored
    // library the engine would play it back into the good copy.
    const fs::path journal = withSuffix(library, "-journal");
    const bool hasJournal = pathTaken(journal);

    fs::rename(library, aside, ec);
    if (!ec && hasJournal) {
        fs::rename(journal, withSuffix(aside, "-journal"), ec);
        if (ec) {
            std::error_code ignored;
            fs::rename(aside, library, ignored);
        }
    }
    if (ec) {
        removeQuietly(copy);
        result.problem = "无法把损坏的文件改名保存";
        return result;
    }
    fs::rename(copy, library, ec);
    if (ec) {
        std::error_code ignored;
        if (hasJournal) fs::rename(withSuffix(aside, "-journal"), journal, ignored);
        fs::rename(aside, library, ignored);
        removeQuietly(copy);
        result.problem = "无法把备份放回原处";
        return result;
    }
    result.restored = true;
    result.damagedKeptAs = aside;
    return result;
}

}  // namespace quorvane::store
