#include "win32/win_wall_clock.h"

#include <windows.h>

namespace quorvane::win32 {

LocalTime WinWallClock::now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

}  // namespace quorvane::win32
