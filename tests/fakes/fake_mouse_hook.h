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

    bool installed = false;
    bool refuses = false;
};

}  // namespace quorvane::fakes
