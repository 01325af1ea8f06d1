#pragma once
// Other programs' windows, through user32. Stateless: every call asks the
// system afresh, so one instance serves the whole program.
#include "platform/desktop.h"

namespace quorvane::win32 {

class WinDesktop final : public Desktop {
public:
    WindowHandle windowFromPoint(Point screen) override;
    std::string className(WindowHandle window) override;
    WindowHandle parent(WindowHandle window) override;
    bool isWindow(WindowHandle window) override;
    bool setForegroundWindow(WindowHandle window) override;
    WindowHandle focusedWindowOfForegroundThread() override;
    bool caretScreenPosition(Point& screen) override;
    Point clientToScreen(WindowHandle window, Point client) override;
    bool inputMethodComposes(WindowHandle window) override;

    void postCharByte(WindowHandle window, std::uint8_t byte) override;
    void sendKey(int virtualKey, bool down) override;
    void typeCharacter(char32_t character) override;
    bool keyIsDown(int virtualKey) override;

    Point cursorPosition() override;
    std::vector<Monitor> monitors() override;
};

}  // namespace quorvane::win32
