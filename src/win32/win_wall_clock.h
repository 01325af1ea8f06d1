#pragma once
#include "platform/wall_clock.h"

namespace quorvane::win32 {

// The system's local time (GetLocalTime).
class WinWallClock final : public WallClock {
public:
    LocalTime now() override;
};

}  // namespace quorvane::win32
