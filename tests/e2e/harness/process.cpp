#include "harness/process.h"

#include <stdexcept>
#include <utility>

#include "harness/text.h"

namespace quorvane::e2e {

namespace {

// Quotes one argument the way CommandLineToArgvW splits it back.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

}  // namespace

Process Process::start(const std::filesystem::path& exe, const std::vector<std::wstring>& arguments,
                       const std::filesystem::path& workingDirectory, HANDLE standardError) {
    std::wstring commandLine = quoted(exe.wstring());
    for (const auto& argument : arguments) commandLine += L" " + quoted(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (standardError != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = standardError;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, standardError != nullptr, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + narrow(exe.wstring()) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    Process process;
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    return process;
}

Process::~Process() {
    kill();
    if (handle_) CloseHandle(handle_);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        kill();
        if (handle_) CloseHandle(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

bool Process::running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(std::chrono::milliseconds timeout) {
    if (!handle_) return true;
    return waitUntil([this] { return !running(); }, timeout);
}

std::optional<DWORD> Process::exitCode() const {
    DWORD code = 0;
    if (!handle_ || running() || !GetExitCodeProcess(handle_, &code)) return std::nullopt;
    return code;
}

void Process::kill() {
    if (!running()) return;
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
}

}  // namespace quorvane::e2e
