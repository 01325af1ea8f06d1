#pragma once
// A system-wide low-level keyboard hook. The system hands the core every key
// event on the desktop before the focused window sees it, on the panel's
// thread, and the core's verdict lets the key go on or swallows it.
#include <cstdint>

namespace quorvane {

enum class KeyKind {
    Down,
    Up,
    SystemDown,  // pressed while Alt is held, or F10
    SystemUp,
};

struct KeyEvent {
    int virtualKey = 0;
    KeyKind kind = KeyKind::Down;
    // Sent by the program itself (Desktop::sendKey, typeCharacter): never acted on again.
    bool ours = false;
};

enum class KeyVerdict { Pass, Swallow };

class KeyboardHook {
public:
    virtual ~KeyboardHook() = default;
    // False when the system refused the hook.
    virtual bool install() = 0;
    virtual void remove() = 0;
    // When the system last received input of any kind, keyboard or mouse, on
    // the millisecond counter of Clock::tickCount.
    virtual std::uint32_t lastInputTime() = 0;
};

}  // namespace quorvane
