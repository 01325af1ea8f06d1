// quorvane.exe: with arguments a command line run without a window, else the
// panel, where everything happens in App, the composition root.
#include <windows.h>

#include <optional>

#include "shell/command_line.h"
#include "win32/app.h"
#include "win32/run_directory.h"
#include "win32/win_command_line_host.h"
#include "win32/win_text.h"
#include "win32/win_wall_clock.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace quorvane;
    win32::WinCommandLineHost host;
    win32::WinWallClock clock;
    shell::CommandLine commandLine(win32::runDirectory(), host, clock);
    if (const std::optional<int> exitCode = commandLine.run(win32::commandLineArguments())) return *exitCode;

    // Held while the panel runs, so that a command line run can tell.
    const HANDLE panelRunning = CreateMutexW(nullptr, FALSE, win32::toUtf16(shell::kPanelMutexName).c_str());
    win32::App app(instance);
    const int exitCode = app.run();
    if (panelRunning != nullptr) CloseHandle(panelRunning);
    return exitCode;
}
