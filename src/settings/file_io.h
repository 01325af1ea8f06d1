#pragma once
// What the settings writer needs from the file system beyond the standard
// library: an exclusive lock between processes, and a new file that is on the
// disk before it is renamed into place. Only the C runtime (POSIX calls on
// Linux, <io.h> on Windows), so the core stays free of <windows.h>.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quorvane::settings {

// Held while it lives. The lock is a file at the given path that is there only
// while someone holds it. A writer that dies holding it never blocks the next
// one: the system drops its lock with it (Windows deletes the file too; on
// Linux the next writer takes the file over and removes it when done).
class FileLock {
public:
    // Waits up to `wait` for the lock; nullopt when it could not be had in time
    // or the lock file could not be created.
    static std::optional<FileLock> acquire(const std::filesystem::path& lockPath,
                                           std::chrono::milliseconds wait);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    FileLock(std::filesystem::path lockPath, int descriptor)
        : path_(std::move(lockPath)), descriptor_(descriptor) {}

    std::filesystem::path path_;
    int descriptor_ = -1;
};

// Creates `path`, which must not exist yet (no file, directory or link of that
// name: nothing is followed or reused), writes `bytes` and flushes them to the
// disk. False, leaving nothing behind, when any step fails.
bool writeNewFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvane::settings
