#pragma once
// Drives fake_ide.exe: starts it, clicks into its editors, and reads back
// what arrived there from its log.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "harness/process.h"
#include "harness/wait.h"

namespace quorvane::e2e {

enum class IdeWindow { Edit, Wrapper };

struct IdeEvent {
    enum class Kind { Click, Char, Paste };
    Kind kind = Kind::Char;
    IdeWindow window = IdeWindow::Edit;
    std::string bytes;     // the character byte, or the pasted text
    bool hasText = false;  // a paste that found CF_TEXT on the clipboard
};

struct FakeIdeOptions {
    bool slowPaste = false;  // takes the clipboard 200 ms after Ctrl+V
    bool slowKeys = false;   // spends 40 ms on every key press
};

class FakeIde {
public:
    // Starts the fake IDE with its log in `directory`, and waits until its
    // windows are up. Throws when it does not come up.
    explicit FakeIde(const std::filesystem::path& directory, FakeIdeOptions options = {});

    HWND frame() const { return frame_; }
    HWND edit() const { return edit_; }
    HWND wrapper() const { return wrapper_; }
    HWND window(IdeWindow which) const { return which == IdeWindow::Edit ? edit_ : wrapper_; }
    Process& process() { return process_; }
    const std::filesystem::path& logPath() const { return logPath_; }

    // Clicks into the middle of an editor with SendInput and waits until the
    // editor has seen the press.
    bool clickInto(IdeWindow which);
    // The same with a touchpad's tap: press and release in one batch.
    bool tapInto(IdeWindow which);

    // Everything logged so far, in order.
    std::vector<IdeEvent> events() const;
    // The character bytes that one window received, in order.
    std::string chars(IdeWindow which) const;
    std::vector<IdeEvent> pastes(IdeWindow which) const;

    bool waitForEvents(const std::function<bool(const std::vector<IdeEvent>&)>& condition,
                       std::chrono::milliseconds timeout = kDefaultTimeout) const;
    // Waits until the window has received at least `count` character bytes.
    bool waitForChars(IdeWindow which, size_t count,
                      std::chrono::milliseconds timeout = kDefaultTimeout) const;
    bool waitForPastes(IdeWindow which, size_t count,
                       std::chrono::milliseconds timeout = kDefaultTimeout) const;

private:
    bool pressInto(IdeWindow which, void (*press)(POINT));

    std::filesystem::path logPath_;
    Process process_;
    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
    HWND wrapper_ = nullptr;
};

// Reads a fake IDE log; malformed lines are skipped.
std::vector<IdeEvent> parseIdeLog(const std::string& log);

}  // namespace quorvane::e2e
