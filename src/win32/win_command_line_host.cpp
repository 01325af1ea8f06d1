#include "win32/win_command_line_host.h"

#include <windows.h>

#include "shell/single_instance.h"
#include "win32/win_text.h"

namespace quorvane::win32 {

void WinCommandLineHost::writeErrorLine(const std::string& line) {
    // A windows program started from a console has no standard error of its
    // own unless it was redirected; then the line goes to that console.
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if ((error == nullptr || error == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        error = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(error, &mode)) {
        // A console shows UTF-16 as it is, whatever its code page.
        const std::wstring text = toUtf16(line) + L"\r\n";
        WriteConsoleW(error, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    // A file or a pipe gets UTF-8 bytes.
    const std::string bytes = line + "\r\n";
    WriteFile(error, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool WinCommandLineHost::panelRunning() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, toUtf16(shell::panelMutexName(runDirectory_)).c_str());
    if (mutex == nullptr) return false;
    CloseHandle(mutex);
    return true;
}

}  // namespace quorvane::win32
