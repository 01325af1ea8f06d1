#pragma once
// Other programs' windows as a table, with every request recorded. Times are
// taken from the clock given, so tests can check the spacing of events.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/desktop.h"

namespace quorvane::fakes {

class FakeDesktop : public Desktop {
public:
    struct Window {
        std::string className;
        WindowHandle parent = 0;
        Point spot;  // the point at which windowFromPoint finds it
        bool alive = true;
    };
    struct PostedByte {
        WindowHandle window;
        std::uint8_t byte;
        std::uint32_t at;
    };
    struct KeyEvent {
        int virtualKey;
        bool down;
        std::uint32_t at;
    };
    struct ForegroundCall {
        WindowHandle window;
        std::uint32_t at;
    };

    explicit FakeDesktop(Clock* clock = nullptr) : clock_(clock) {}

    // A new live window with its own spot; handles start at 0x100.
    WindowHandle addWindow(std::string className, WindowHandle parent = 0) {
        const WindowHandle handle = nextHandle_;
        nextHandle_ += 0x10;
        windows[handle] = {std::move(className), parent, {static_cast<int>(handle), 7}, true};
        return handle;
    }
    void destroy(WindowHandle window) { windows[window].alive = false; }
    Point spotOf(WindowHandle window) { return windows[window].spot; }

    WindowHandle windowFromPoint(Point screen) override {
        for (const auto& [handle, window] : windows) {
            if (window.alive && window.spot == screen) return handle;
        }
        return 0;
    }
    std::string className(WindowHandle window) override {
        ++classNameReads;
        const auto found = windows.find(window);
        return found != windows.end() && found->second.alive ? found->second.className : std::string();
    }
    WindowHandle parent(WindowHandle window) override {
        const auto found = windows.find(window);
        return found != windows.end() && found->second.alive ? found->second.parent : 0;
    }
    bool isWindow(WindowHandle window) override {
        const auto found = windows.find(window);
        return found != windows.end() && found->second.alive;
    }
    bool setForegroundWindow(WindowHandle window) override {
        foregroundCalls.push_back({window, now()});
        foreground = window;
        return true;
    }
    WindowHandle focusedWindowOfForegroundThread() override { return focused; }
    bool caretScreenPosition(Point& screen) override {
        screen = caret;
        return hasCaret;
    }
    Point clientToScreen(WindowHandle window, Point client) override {
        const Point origin = clientOrigins[window];
        return {origin.x + client.x, origin.y + client.y};
    }
    bool inputMethodComposes(WindowHandle window) override {
        ++inputMethodQueries;
        return composing.count(window) != 0;
    }

    void postCharByte(WindowHandle window, std::uint8_t byte) override {
        posted.push_back({window, byte, now()});
    }
    void typeCharacter(char32_t character) override {
        sentInput.push_back("char " + std::string(1, static_cast<char>(character)));
    }
    void sendKey(int virtualKey, bool down) override {
        sentInput.push_back("key " + std::to_string(virtualKey) + (down ? " down" : " up"));
        keys.push_back({virtualKey, down, now()});
        if (virtualKey == vk::Control) controlDown_ = down;
        // What a focused editor does on Ctrl+V.
        if (virtualKey == vk::V && down && controlDown_ && onCtrlV) onCtrlV();
    }
    bool keyIsDown(int virtualKey) override { return keysDown[virtualKey]; }

    Point cursorPosition() override { return cursor; }
    std::vector<Monitor> monitors() override { return displays; }

    // The posted bytes alone, for comparing with expected text.
    std::string postedText() const {
        std::string text;
        for (const auto& p : posted) text.push_back(static_cast<char>(p.byte));
        return text;
    }

    std::map<WindowHandle, Window> windows;
    std::map<int, bool> keysDown;
    Point cursor;
    WindowHandle foreground = 0;
    WindowHandle focused = 0;
    Point caret;
    bool hasCaret = false;
    // One 1280 x 800 monitor with a taskbar along its bottom, unless a test sets others.
    std::vector<Monitor> displays{{{0, 0, 1280, 800}, {0, 0, 1280, 770}}};
    std::map<WindowHandle, Point> clientOrigins;
    // Windows whose input method is open in its native mode.
    std::set<WindowHandle> composing;
    std::function<void()> onCtrlV;

    std::vector<PostedByte> posted;
    std::vector<KeyEvent> keys;
    // Characters and keys sent as input, in order: "char ;", "key 13 down".
    std::vector<std::string> sentInput;
    std::vector<ForegroundCall> foregroundCalls;
    int classNameReads = 0;
    int inputMethodQueries = 0;

private:
    std::uint32_t now() { return clock_ ? clock_->tickCount() : 0; }

    Clock* clock_;
    WindowHandle nextHandle_ = 0x100;
    bool controlDown_ = false;
};

}  // namespace quorvane::fakes
