// quorvane.exe: with arguments a command line run without a window; else one
// panel per library, where everything happens in App, the composition root.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/single_instance.h"
#include "win32/app.h"
#include "win32/main_panel.h"
#include "win32/tray_icon.h"
#include "win32/win_command_line_host.h"
#include "win32/win_starter_hints.h"
#include "win32/win_text.h"
#include "win32/win_wall_clock.h"

namespace {

// The directory of the running executable: the user's library and settings live there.
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

// The arguments after the program's own name, as UTF-8.
std::vector<std::string> commandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; arguments != nullptr && i < count; ++i) utf8.push_back(quorvane::win32::toUtf8(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

struct PanelSearch {
    std::filesystem::path directory;
    HWND found = nullptr;
};

// A panel window whose program runs from the same folder.
BOOL CALLBACK findPanel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<PanelSearch*>(parameter);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring_view(className) != quorvane::win32::kPanelClass) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return TRUE;
    std::wstring image(32768, L'\0');
    DWORD size = static_cast<DWORD>(image.size());
    const bool named = QueryFullProcessImageNameW(process, 0, image.data(), &size) != FALSE;
    CloseHandle(process);
    if (!named) return TRUE;
    image.resize(size);
    if (quorvane::shell::panelMutexName(std::filesystem::path(image).parent_path()) ==
        quorvane::shell::panelMutexName(search.directory)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// As a left click on its tray icon would: shown, in front, out of its strip.
void callUpRunningPanel(const std::filesystem::path& directory) {
    PanelSearch search{directory};
    EnumWindows(findPanel, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(search.found, &processId);
    AllowSetForegroundWindow(processId);
    PostMessageW(search.found, quorvane::win32::kTrayCallbackMessage, 0, WM_LBUTTONUP);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::filesystem::path directory = runDirectory();
    {
        quorvane::win32::WinCommandLineHost host(directory);
        quorvane::win32::WinWallClock clock;
        quorvane::win32::WinStarterHints starterHints;
        const quorvane::win32::WinTextCodec codec;
        quorvane::shell::CommandLine commandLine(directory, host, clock, starterHints, codec);
        if (const std::optional<int> exitCode = commandLine.run(commandLineArguments())) return *exitCode;
    }
    const std::wstring mutexName = quorvane::win32::toUtf16(quorvane::shell::panelMutexName(directory));
    // Held until the process ends, which releases it however it ends.
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        callUpRunningPanel(directory);
        return 0;
    }
    quorvane::win32::App app(instance, directory);
    return app.run();
}
