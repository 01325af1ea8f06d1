#pragma once
#include "platform/mouse_hook.h"

namespace quorvane::fakes {

class FakeMouseHook : public MouseHook {
public:
    bool install() override {
        installed = !refuses;
        return installed;
    }
    void remove() override { installed = false; }
    std::uint32_t lastEventTime() override { return lastEvent; }

    bool installed = false;
    std::uint32_t lastEvent = 0;
    bool refuses = false;
};

}  // namespace quorvane::fakes
