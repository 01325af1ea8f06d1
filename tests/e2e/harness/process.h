#pragma once
// A program started by a test. Killed with the object if it is still
// running, so a failed test leaves nothing behind.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "harness/wait.h"

namespace quorvane::e2e {

class Process {
public:
    // Starts `exe` with `arguments` in `workingDirectory`; throws when it cannot.
    // `standardError`, when given, is what the program gets as its standard
    // error (an inheritable handle).
    static Process start(const std::filesystem::path& exe, const std::vector<std::wstring>& arguments,
                         const std::filesystem::path& workingDirectory, HANDLE standardError = nullptr);

    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD id() const { return id_; }
    HANDLE handle() const { return handle_; }
    bool started() const { return handle_ != nullptr; }
    bool running() const;
    bool waitForExit(std::chrono::milliseconds timeout = kDefaultTimeout);
    // nullopt while it runs.
    std::optional<DWORD> exitCode() const;
    void kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace quorvane::e2e
