#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace quorvane {

// Virtual-key codes the core names.
namespace vk {
inline constexpr int LeftButton = 0x01;
inline constexpr int Enter = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int V = 0x56;
}  // namespace vk

// One display monitor, in virtual-screen pixels.
struct Monitor {
    Rect bounds;
    // The part not taken by the taskbar and other docked bars.
    Rect workArea;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// What the core needs to know of, and do to, other programs' windows.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual WindowHandle windowFromPoint(Point screen) = 0;
    // Empty when the window is gone.
    virtual std::string className(WindowHandle window) = 0;
    virtual WindowHandle parent(WindowHandle window) = 0;
    virtual bool isWindow(WindowHandle window) = 0;
    virtual bool setForegroundWindow(WindowHandle window) = 0;
    // The window with the keyboard focus in the foreground window's thread.
    virtual WindowHandle focusedWindowOfForegroundThread() = 0;
    // Caret of the foreground thread, in screen coordinates; false when none.
    virtual bool caretScreenPosition(Point& screen) = 0;
    virtual Point clientToScreen(WindowHandle window, Point client) = 0;
    // Whether the window's input method is open in its native (for instance
    // Chinese) mode, where letters compose and Space and digits pick its own
    // candidates. False when it is closed, alphanumeric, or does not answer at
    // once: a hung program is never waited for.
    virtual bool inputMethodComposes(WindowHandle window) = 0;

    // Posts WM_CHAR with the byte as wParam (0..255) and lParam 1.
    virtual void postCharByte(WindowHandle window, std::uint8_t byte) = 0;
    // Synthesises a key press or release, scan code 0, at the end of the
    // system's input: after every key the user has typed so far.
    virtual void sendKey(int virtualKey, bool down) = 0;
    // Types one character the same way, as the focused window's next input.
    virtual void typeCharacter(char32_t character) = 0;
    // Whether the key or mouse button is held down at this moment.
    virtual bool keyIsDown(int virtualKey) = 0;

    virtual Point cursorPosition() = 0;
    // Every monitor of the desktop, the primary one first; never empty.
    virtual std::vector<Monitor> monitors() = 0;
};

}  // namespace quorvane
