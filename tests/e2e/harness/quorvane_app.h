#pragma once
// quorvane.exe in a directory of its own: the program keeps its library and
// settings beside its executable, so each run gets a fresh copy of the exe.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/process.h"
#include "harness/wait.h"

namespace quorvane::e2e {

inline constexpr char kPanelTitle[] = "Quorvane";
inline constexpr char kLibraryFileName[] = "Cmlsjk.mdb";
inline constexpr char kSettingsFileName[] = "mlkpz.ini";
// Class of every dialog box, the message box included.
inline constexpr char kDialogClass[] = "#32770";
// Class of a popup menu's window.
inline constexpr char kPopupMenuClass[] = "#32768";

// How a run of the program from the command line ended.
struct CommandLineRun {
    DWORD exitCode = 0;
    std::string standardError;  // the bytes it wrote there
};

class QuorvaneApp {
public:
    // The exe under test: $QUORVANE_EXE when set (a Linux or Windows path),
    // else the one this build made.
    static std::filesystem::path exeUnderTest();

    // Copies the exe into `runDirectory`; nothing is started yet, so a test
    // can put files beside it first.
    explicit QuorvaneApp(std::filesystem::path runDirectory);

    // Writes "mlkpz.ini" beside the exe: `utf8Text` turned into GBK bytes,
    // as the program keeps it on disk.
    void seedSettings(std::string_view utf8Text);

    // Starts it with a current directory other than its own, so that files
    // written to the wrong place show up there and not beside the exe.
    void start();
    // The panel: a top-level window of this process titled "Quorvane".
    HWND waitForPanel(std::chrono::milliseconds timeout = kDefaultTimeout);
    // Runs the exe with arguments, as from a console, until it ends; nullopt
    // when it did not end in time (it is killed then).
    std::optional<CommandLineRun> runCommandLine(const std::vector<std::wstring>& arguments,
                                                 std::chrono::milliseconds timeout = kDefaultTimeout);
    HWND waitForMessageBox(std::chrono::milliseconds timeout = kDefaultTimeout);
    // A popup menu window of this process (opened by the menu bar or a right click).
    HWND waitForPopupMenu(std::chrono::milliseconds timeout = kDefaultTimeout);
    // Asks the panel to close as its close box does, and waits for the exit.
    bool closePanel(std::chrono::milliseconds timeout = kDefaultTimeout);

    Process& process() { return process_; }
    HWND panel() const { return panel_; }
    const std::filesystem::path& runDirectory() const { return runDirectory_; }
    const std::filesystem::path& workingDirectory() const { return workingDirectory_; }
    std::filesystem::path libraryPath() const { return runDirectory_ / kLibraryFileName; }
    std::filesystem::path settingsPath() const { return runDirectory_ / kSettingsFileName; }

private:
    std::filesystem::path runDirectory_;
    std::filesystem::path workingDirectory_;
    Process process_;
    HWND panel_ = nullptr;
};

}  // namespace quorvane::e2e
