#include "harness/files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "harness/text.h"

namespace quorvane::e2e {

namespace fs = std::filesystem;

TempDir::TempDir(std::string_view prefix) {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = widen(prefix) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(counter++);
        fs::path candidate = fs::path(base) / name;
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    if (keep_) return;
    std::error_code error;
    fs::remove_all(path_, error);
}

std::optional<std::string> readBytes(const fs::path& file) {
    // Shared access: the program may still hold the file open.
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(handle);
    return bytes;
}

void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + narrow(file.wstring()));
}

bool fileExists(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error);
}

std::vector<std::string> directoryEntries(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        names.push_back(narrow(it->path().filename().wstring()));
    std::sort(names.begin(), names.end());
    return names;
}

fs::path fromHostPath(std::string_view path) {
    if (path.empty() || path.front() != '/') return fs::path(widen(path));
    std::wstring windows = L"Z:" + widen(path);
    std::replace(windows.begin(), windows.end(), L'/', L'\\');
    return fs::path(windows);
}

fs::path testProgramDirectory() {
    wchar_t module[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    return fs::path(module).parent_path();
}

}  // namespace quorvane::e2e
