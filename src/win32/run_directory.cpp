#include "win32/run_directory.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/win_text.h"

namespace quorvane::win32 {

std::filesystem::path runDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
}

std::vector<std::string> commandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; arguments != nullptr && i < count; ++i) utf8.push_back(toUtf8(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

}  // namespace quorvane::win32
