#include "fakes/fake_clock.h"

namespace quorvane::fakes {

void FakeTimer::setPeriod(int milliseconds) {
    // Like SetTimer on a running timer with the same period: keep the schedule.
    if (milliseconds == period_ && period_ > 0) return;
    period_ = milliseconds;
    if (period_ > 0) nextDue_ = clock_.now_ + static_cast<std::uint32_t>(period_);
}

FakeTimer& FakeClock::makeTimer(std::function<void()> onTick) {
    timers_.push_back(std::make_unique<FakeTimer>(*this, std::move(onTick)));
    return *timers_.back();
}

void FakeClock::waitDispatching(std::uint32_t ms) {
    waits_.push_back(ms);
    runUntil(now_ + ms + 1);
}

void FakeClock::advance(std::uint32_t ms) { runUntil(now_ + ms); }

void FakeClock::runUntil(std::uint32_t target) {
    while (true) {
        // The earliest due timer not after the target; ties go to the first made.
        FakeTimer* due = nullptr;
        for (auto& timer : timers_) {
            if (timer->period_ <= 0) continue;
            if (static_cast<std::int32_t>(timer->nextDue_ - target) > 0) continue;
            if (!due || static_cast<std::int32_t>(timer->nextDue_ - due->nextDue_) < 0) due = timer.get();
        }
        if (!due) break;
        if (static_cast<std::int32_t>(due->nextDue_ - now_) > 0) now_ = due->nextDue_;
        due->nextDue_ = now_ + static_cast<std::uint32_t>(due->period_);
        if (due->onTick_) due->onTick_();
    }
    if (static_cast<std::int32_t>(target - now_) > 0) now_ = target;
}

}  // namespace quorvane::fakes
