#include "win32/win_system_shell.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "win32/win_text.h"

namespace quorvane::win32 {

std::string WinSystemShell::programVersion() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe, &ignored);
    if (size == 0) return {};
    std::vector<BYTE> info(size);
    if (!GetFileVersionInfoW(exe, 0, size, info.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr) return {};
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) +
           "." + std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

void WinSystemShell::open(const std::string& target) {
    // What the system makes of it is its own business; nothing is waited for.
    ShellExecuteW(nullptr, L"open", toUtf16(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quorvane::win32
