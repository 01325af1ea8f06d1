#pragma once
#include <cstdint>

namespace quorvane {

// A system-wide low-level mouse hook. Every press of the left button,
// wherever it is made, reaches the core with its point and time, even a
// short tap or one made while the panel is busy.
class MouseHook {
public:
    virtual ~MouseHook() = default;
    // False when the system refused the hook.
    virtual bool install() = 0;
    virtual void remove() = 0;
    // When the hook last saw a mouse event of any kind, on the millisecond
    // counter of Clock::tickCount: input the system saw after that was not the mouse's.
    virtual std::uint32_t lastEventTime() = 0;
};

}  // namespace quorvane
