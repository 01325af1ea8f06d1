#include "harness/quorvane_app.h"

#include <cstdlib>
#include <stdexcept>

#include "harness/files.h"
#include "harness/text.h"
#include "harness/window_query.h"

namespace quorvane::e2e {

namespace fs = std::filesystem;

fs::path QuorvaneApp::exeUnderTest() {
    if (const char* configured = std::getenv("QUORVANE_EXE"); configured && *configured)
        return fromHostPath(configured);
    return fromHostPath(QUORVANE_E2E_BUILT_EXE);
}

QuorvaneApp::QuorvaneApp(fs::path runDirectory)
    : runDirectory_(std::move(runDirectory)), workingDirectory_(runDirectory_ / "cwd") {
    const fs::path exe = exeUnderTest();
    if (!fileExists(exe)) throw std::runtime_error("quorvane.exe not found at " + narrow(exe.wstring()));
    fs::copy_file(exe, runDirectory_ / "quorvane.exe", fs::copy_options::overwrite_existing);
    fs::create_directory(workingDirectory_);
}

void QuorvaneApp::seedSettings(std::string_view utf8Text) {
    writeBytes(settingsPath(), gbk(utf8Text));
}

void QuorvaneApp::start() {
    process_ = Process::start(runDirectory_ / "quorvane.exe", {}, workingDirectory_);
}

std::optional<CommandLineRun> QuorvaneApp::runCommandLine(const std::vector<std::wstring>& arguments,
                                                          std::chrono::milliseconds timeout) {
    // A file rather than a pipe: nothing has to read while the program runs.
    const fs::path errorFile = workingDirectory_ / "stderr.txt";
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE error = CreateFileW(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (error == INVALID_HANDLE_VALUE) return std::nullopt;
    Process run = Process::start(runDirectory_ / "quorvane.exe", arguments, workingDirectory_, error);
    CloseHandle(error);
    if (!run.waitForExit(timeout)) return std::nullopt;
    return CommandLineRun{run.exitCode().value_or(0xFFFFFFFF), readBytes(errorFile).value_or("")};
}

HWND QuorvaneApp::waitForPanel(std::chrono::milliseconds timeout) {
    WindowMatch match;
    match.processId = process_.id();
    match.title = kPanelTitle;
    panel_ = waitForTopLevel(match, timeout);
    return panel_;
}

HWND QuorvaneApp::waitForMessageBox(std::chrono::milliseconds timeout) {
    WindowMatch match;
    match.processId = process_.id();
    match.className = kDialogClass;
    return waitForTopLevel(match, timeout);
}

HWND QuorvaneApp::waitForPopupMenu(std::chrono::milliseconds timeout) {
    WindowMatch match;
    match.processId = process_.id();
    match.className = kPopupMenuClass;
    return waitForTopLevel(match, timeout);
}

bool QuorvaneApp::closePanel(std::chrono::milliseconds timeout) {
    if (!panel_) return false;
    PostMessageW(panel_, WM_CLOSE, 0, 0);
    return process_.waitForExit(timeout);
}

}  // namespace quorvane::e2e
