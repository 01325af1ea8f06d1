#pragma once
// A clock whose time moves only when a test (or a wait) moves it, and the
// timers that run on it. A wait runs the timers that fall due inside it, so
// re-entrant paths run as they would on the real message loop.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/timer.h"

namespace quorvane::fakes {

class FakeClock;

class FakeTimer : public Timer {
public:
    FakeTimer(FakeClock& clock, std::function<void()> onTick) : clock_(clock), onTick_(std::move(onTick)) {}
    void setPeriod(int milliseconds) override;
    int period() const override { return period_; }
    // Lets a test connect the handler after both objects exist.
    void setHandler(std::function<void()> onTick) { onTick_ = std::move(onTick); }

private:
    friend class FakeClock;
    FakeClock& clock_;
    std::function<void()> onTick_;
    int period_ = 0;
    std::uint32_t nextDue_ = 0;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(std::uint32_t start = 1'000'000) : now_(start) {}

    std::uint32_t tickCount() override { return now_; }
    // Advances time to just past `ms` milliseconds, running due timers on the way.
    void waitDispatching(std::uint32_t ms) override;

    // Creates a timer owned by the clock, stopped, with `onTick` as its handler.
    FakeTimer& makeTimer(std::function<void()> onTick = {});
    // Moves time forward by `ms`, running every timer tick that falls due.
    void advance(std::uint32_t ms);
    // Every wait the code asked for, in order.
    const std::vector<std::uint32_t>& waits() const { return waits_; }

private:
    friend class FakeTimer;
    void runUntil(std::uint32_t target);
    std::uint32_t now_;
    std::vector<std::unique_ptr<FakeTimer>> timers_;
    std::vector<std::uint32_t> waits_;
};

}  // namespace quorvane::fakes
