#pragma once
#include <string>

namespace quorvane {

// A moment of the local calendar, to the second.
struct LocalTime {
    int year = 0;
    int month = 0;  // 1 .. 12
    int day = 0;    // 1 .. 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// The date and time of day, for names of files the program writes.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual LocalTime now() = 0;
};

}  // namespace quorvane
