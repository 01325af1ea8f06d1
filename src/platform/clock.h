#pragma once
#include <cstdint>

namespace quorvane {

// The system's millisecond counter and the waits that keep the panel alive.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps modulo 2^32 like GetTickCount.
    virtual std::uint32_t tickCount() = 0;
    // Returns once more than `ms` milliseconds have passed, dispatching window
    // messages meanwhile. Re-entrant on purpose: timers and events run inside.
    virtual void waitDispatching(std::uint32_t ms) = 0;
};

}  // namespace quorvane
