#pragma once

namespace quorvane {

// A window timer with a period property: a period above 0 runs it, 0 stops it.
// Setting the period it already has keeps it running on its current schedule.
// The composition root connects each timer's tick to its owner's handler.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setPeriod(int milliseconds) = 0;
    virtual int period() const = 0;
};

}  // namespace quorvane
