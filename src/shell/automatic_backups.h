#pragma once
// Backups of the library made without being asked: at each start when the
// library has changed since the newest backup, and before a change that
// removes more than one row. A failed backup changes nothing and stops
// nothing; the user is told once per run.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/wall_clock.h"
#include "store/library_backup.h"

namespace quorvane::shell {

class AutomaticBackups {
public:
    AutomaticBackups(const std::filesystem::path& library, WallClock& clock);

    // A new backup unless the newest one already holds what the library
    // holds. The text for the info box when this is the run's first failure.
    std::optional<std::string> backUp();

private:
    store::LibraryBackups backups_;
    WallClock& clock_;
    bool failureTold_ = false;
};

}  // namespace quorvane::shell
