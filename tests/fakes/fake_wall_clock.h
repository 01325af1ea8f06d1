#pragma once
#include "platform/wall_clock.h"

namespace quorvane::fakes {

// A calendar that shows what the test sets, and nothing of the real clock.
class FakeWallClock : public WallClock {
public:
    LocalTime now() override { return time; }

    // Moves on by whole seconds, carrying into minutes, hours and days of a 30-day month.
    void advanceSeconds(int seconds) {
        long total = ((static_cast<long>(time.day) * 24 + time.hour) * 60 + time.minute) * 60 + time.second + seconds;
        time.second = static_cast<int>(total % 60);
        time.minute = static_cast<int>(total / 60 % 60);
        time.hour = static_cast<int>(total / 3600 % 24);
        time.day = static_cast<int>(total / 86400);
        while (time.day > 30) {
            time.day -= 30;
            if (++time.month > 12) {
                time.month = 1;
                ++time.year;
            }
        }
    }

    LocalTime time{2024, 3, 15, 9, 30, 0};
};

}  // namespace quorvane::fakes
