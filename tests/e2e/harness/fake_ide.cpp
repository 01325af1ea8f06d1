#include "harness/fake_ide.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "harness/files.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_query.h"

namespace quorvane::e2e {

namespace fs = std::filesystem;

namespace {

bool parseWindow(const std::string& name, IdeWindow& window) {
    if (name == "edit")
        window = IdeWindow::Edit;
    else if (name == "wrapper")
        window = IdeWindow::Wrapper;
    else
        return false;
    return true;
}

HWND parseHwnd(const std::string& field, const std::string& key) {
    if (field.rfind(key + "=", 0) != 0) return nullptr;
    return reinterpret_cast<HWND>(
        static_cast<UINT_PTR>(std::stoull(field.substr(key.size() + 1), nullptr, 16)));
}

}  // namespace

std::vector<IdeEvent> parseIdeLog(const std::string& log) {
    std::vector<IdeEvent> events;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind, window, value;
        fields >> kind >> window >> value;
        IdeEvent event;
        if (!parseWindow(window, event.window)) continue;
        if (kind == "click") {
            event.kind = IdeEvent::Kind::Click;
        } else if (kind == "char") {
            event.kind = IdeEvent::Kind::Char;
            if (value.size() != 2 || !parseHex(value, event.bytes)) continue;
        } else if (kind == "paste") {
            event.kind = IdeEvent::Kind::Paste;
            if (value != "none") {
                if (!parseHex(value, event.bytes)) continue;
                event.hasText = true;
            }
        } else {
            continue;
        }
        events.push_back(std::move(event));
    }
    return events;
}

FakeIde::FakeIde(const fs::path& directory, FakeIdeOptions options) : logPath_(directory / "fake_ide.log") {
    std::vector<std::wstring> arguments{L"--log", logPath_.wstring()};
    if (options.slowPaste) arguments.emplace_back(L"--slow-paste");
    if (options.slowKeys) arguments.emplace_back(L"--slow-keys");
    process_ = Process::start(testProgramDirectory() / "fake_ide.exe", arguments, directory);

    const bool ready = waitUntil([this] {
        const auto log = readBytes(logPath_);
        if (!log || log->rfind("ready ", 0) != 0 || log->find('\n') == std::string::npos) return false;
        std::istringstream fields(log->substr(0, log->find('\n')));
        std::string word, frame, edit, wrapper;
        fields >> word >> frame >> edit >> wrapper;
        frame_ = parseHwnd(frame, "frame");
        edit_ = parseHwnd(edit, "edit");
        wrapper_ = parseHwnd(wrapper, "wrapper");
        return frame_ && edit_ && wrapper_;
    });
    if (!ready) throw std::runtime_error("fake_ide.exe did not come up");
}

std::vector<IdeEvent> FakeIde::events() const {
    return parseIdeLog(readBytes(logPath_).value_or(""));
}

std::string FakeIde::chars(IdeWindow which) const {
    std::string bytes;
    for (const auto& event : events())
        if (event.kind == IdeEvent::Kind::Char && event.window == which) bytes += event.bytes;
    return bytes;
}

std::vector<IdeEvent> FakeIde::pastes(IdeWindow which) const {
    auto all = events();
    std::erase_if(
        all, [which](const IdeEvent& e) { return e.kind != IdeEvent::Kind::Paste || e.window != which; });
    return all;
}

bool FakeIde::waitForEvents(const std::function<bool(const std::vector<IdeEvent>&)>& condition,
                            std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return condition(events()); }, timeout);
}

bool FakeIde::waitForChars(IdeWindow which, size_t count, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return chars(which).size() >= count; }, timeout);
}

bool FakeIde::waitForPastes(IdeWindow which, size_t count, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return pastes(which).size() >= count; }, timeout);
}

bool FakeIde::clickInto(IdeWindow which) {
    return pressInto(which, [](POINT point) { click(point); });
}

bool FakeIde::tapInto(IdeWindow which) {
    return pressInto(which, tap);
}

bool FakeIde::pressInto(IdeWindow which, void (*press)(POINT)) {
    const auto clicks = [this, which] {
        const auto all = events();
        return std::count_if(all.begin(), all.end(), [which](const IdeEvent& e) {
            return e.kind == IdeEvent::Kind::Click && e.window == which;
        });
    };
    const auto before = clicks();
    press(windowRect(window(which)).center());
    return waitUntil([&] { return clicks() > before; });
}

}  // namespace quorvane::e2e
