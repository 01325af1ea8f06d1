#pragma once
#include "platform/keyboard_hook.h"

namespace quorvane::fakes {

// The hook's state, and the system's last input as a test sets it.
class FakeKeyboardHook : public KeyboardHook {
public:
    bool install() override {
        ++installs;
        installed = !refuses;
        return installed;
    }
    void remove() override { installed = false; }
    std::uint32_t lastInputTime() override { return lastInput; }

    bool installed = false;
    bool refuses = false;
    int installs = 0;
    std::uint32_t lastInput = 0;
};

}  // namespace quorvane::fakes
