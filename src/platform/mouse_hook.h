#pragma once

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
};

}  // namespace quorvane
