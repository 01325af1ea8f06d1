#pragma once
#include "platform/clock.h"
#include "win32/message_pump.h"

namespace quorvane::win32 {

class WinClock final : public Clock {
public:
    explicit WinClock(MessagePump& pump) : pump_(pump) {}
    std::uint32_t tickCount() override;
    void waitDispatching(std::uint32_t ms) override;

private:
    MessagePump& pump_;
};

}  // namespace quorvane::win32
