#pragma once
// Backups of the library made without being asked: at each start when the
// library has changed since the newest backup, and before a change that
// removes more than one row. A failed backup changes nothing and stops
// nothing; the info box says so, once per run.
#include <filesystem>

#include "platform/description_view.h"
#include "platform/wall_clock.h"
#include "store/library_backup.h"

namespace quorvane::shell {

class AutomaticBackups {
public:
    AutomaticBackups(const std::filesystem::path& library, WallClock& clock, DescriptionView& shown);

    // A new backup unless the newest one already holds what the library holds.
    void backUp();

private:
    store::LibraryBackups backups_;
    WallClock& clock_;
    DescriptionView& shown_;
    bool failureShown_ = false;
};

}  // namespace quorvane::shell
