#pragma once
// A private-profile (INI) file: GBK bytes on disk, section and key names
// matched without regard to case, a missing file/section/key reads as the
// default. Every write replaces the file atomically, one writer at a time:
// writers take turns through "<file>.lock" beside the file, which is there
// only during a write. A file a text editor saved as UTF-8 or UTF-16 reads
// too, and the next write turns it back into GBK.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace quorvane::settings {

class IniFile {
public:
    // How long a write waits for another writer (another instance of the program) to finish.
    static constexpr std::chrono::milliseconds kDefaultLockWait{2000};

    IniFile(std::filesystem::path path, const TextCodec& codec,
            std::chrono::milliseconds lockWait = kDefaultLockWait);

    // Values are cut at 10239 bytes (GBK), as a 10240-byte read buffer would.
    std::string read(std::string_view section, std::string_view key, std::string_view defaultValue = "") const;
    // False when the file could not be written, another writer kept it longer
    // than the lock wait, or the value is longer than a read returns; the old
    // file is then intact. When the path is a symbolic link, the file it leads
    // to is replaced and the link stays.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    // Removes the temporary files that writers killed mid-write left beside the
    // file; for start-up. Only while holding the writers' lock, so none of them
    // is still being written. How many were removed.
    int removeStaleTemporaries();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    const TextCodec& codec_;
    std::chrono::milliseconds lockWait_;
};

}  // namespace quorvane::settings
