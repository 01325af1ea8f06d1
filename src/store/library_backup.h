#pragma once
// Copies of the library in "backups" beside it, made with SQLite's online
// backup API while the program holds the library open, and the way back
// from one when the library itself is damaged. Each copy passes the
// library's password check and the engine's consistency check before it
// counts as a backup.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/wall_clock.h"

namespace quorvane::store {

inline constexpr char kBackupFolderName[] = "backups";
inline constexpr std::size_t kBackupsKept = 20;

// "Cmlsjk-20240131-235959.mdb"
std::string backupFileName(const LocalTime& time);
// The backups in `folder` by the time in their names, oldest first. Files of
// other names are not backups and are never touched.
std::vector<std::filesystem::path> listBackups(const std::filesystem::path& folder);
// True when both files hold the same database: byte for byte, but for the
// header fields that count writes, which a backup sets anew.
bool sameDatabase(const std::filesystem::path& a, const std::filesystem::path& b);

struct BackupResult {
    enum class Outcome { Made, Unchanged, Failed };
    Outcome outcome = Outcome::Failed;
    std::filesystem::path file;  // Made: the new backup
    std::string problem;         // Failed: what went wrong, for the user
};

class LibraryBackups {
public:
    LibraryBackups(std::filesystem::path library, std::string password);

    std::filesystem::path folder() const;
    std::optional<std::filesystem::path> newest() const;
    // A new backup named after `now`, then only the newest kBackupsKept are
    // kept. With `onlyWhenChanged`, nothing is made when the newest backup
    // already holds what the library holds. The library is only read.
    BackupResult backUp(const LocalTime& now, bool onlyWhenChanged);

private:
    std::filesystem::path library_;
    std::string password_;
};

struct RestoreResult {
    bool restored = false;
    // Where the damaged library was put aside (with its journal, if it had one).
    std::filesystem::path damagedKeptAs;
    std::string problem;
};

// Puts a copy of `backup` in the library's place. The damaged file is never
// written to: it is renamed aside to "Cmlsjk-damaged-N.mdb" in its folder,
// and only a copy that passed its checks is renamed into place. On failure
// every file is where it was.
RestoreResult restoreLibrary(const std::filesystem::path& library, const std::filesystem::path& backup,
                             const std::string& password);

}  // namespace quorvane::store
