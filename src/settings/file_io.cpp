#include "settings/file_io.h"

#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvane::settings {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(5);

#ifdef _WIN32

// Created exclusively and deleted by the system when its handle closes, also
// when the process dies: the file's existence is the lock.
int tryLock(const std::filesystem::path& lockPath, bool& busy) {
    int descriptor = -1;
    const errno_t error = _wsopen_s(&descriptor, lockPath.c_str(),
                                    _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_NOINHERIT | _O_TEMPORARY,
                                    _SH_DENYRW, _S_IREAD | _S_IWRITE);
    if (error == 0) return descriptor;
    busy = error == EEXIST || error == EACCES;
    // A lock file that outlived its holder (power lost while it was held) is
    // removed; a live holder's file cannot be, or is only marked for deletion.
    if (error == EEXIST) _wremove(lockPath.c_str());
    return -1;
}

void unlock(const std::filesystem::path&, int descriptor) {
    _close(descriptor);
}

int writeSome(int descriptor, const char* data, std::size_t size) {
    return _write(descriptor, data, static_cast<unsigned>(size));
}

int createExclusively(const std::filesystem::path& path) {
    int descriptor = -1;
    const errno_t error =
        _wsopen_s(&descriptor, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
                  _SH_DENYNO, _S_IREAD | _S_IWRITE);
    return error == 0 ? descriptor : -1;
}

bool flushToDisk(int descriptor) {
    return _commit(descriptor) == 0;
}

bool closeFile(int descriptor) {
    return _close(descriptor) == 0;
}

#else

// flock belongs to the open file, so two objects of one process exclude each
// other too, and the system drops it when the holder dies. The holder removes
// the file before unlocking; whoever then gets the lock on the removed file
// sees that the name no longer leads to it and tries again.
int tryLock(const std::filesystem::path& lockPath, bool& busy) {
    const int descriptor = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        busy = false;
        return -1;
    }
    busy = true;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        struct stat held {};
        struct stat named {};
        if (::fstat(descriptor, &held) == 0 && ::stat(lockPath.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return descriptor;
        }
    }
    ::close(descriptor);
    return -1;
}

void unlock(const std::filesystem::path& lockPath, int descriptor) {
    ::unlink(lockPath.c_str());
    ::close(descriptor);
}

int writeSome(int descriptor, const char* data, std::size_t size) {
    return static_cast<int>(::write(descriptor, data, size));
}

int createExclusively(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
}

bool flushToDisk(int descriptor) {
    return ::fsync(descriptor) == 0;
}

bool closeFile(int descriptor) {
    return ::close(descriptor) == 0;
}

#endif

}  // namespace

std::optional<FileLock> FileLock::acquire(const std::filesystem::path& lockPath,
                                          std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        bool busy = false;
        const int descriptor = tryLock(lockPath, busy);
        if (descriptor >= 0) return FileLock(lockPath, descriptor);
        if (!busy || std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(kPollInterval);
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : path_(std::move(other.path_)), descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock::~FileLock() {
    if (descriptor_ >= 0) unlock(path_, descriptor_);
}

bool writeNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const int descriptor = createExclusively(path);
    if (descriptor < 0) return false;
    bool written = true;
    while (written && !bytes.empty()) {
        const int count = writeSome(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        written = count > 0;
        if (written) bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    // On the disk before the rename: a power loss then leaves the old file or
    // the new one, never an empty one.
    written = written && flushToDisk(descriptor);
    written = closeFile(descriptor) && written;
    if (!written) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return written;
}

}  // namespace quorvane::settings
