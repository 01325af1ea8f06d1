#include "win32/win_clock.h"

#include <windows.h>

namespace quorvane::win32 {

std::uint32_t WinClock::tickCount() {
    return GetTickCount();
}

void WinClock::waitDispatching(std::uint32_t ms) {
    const DWORD start = GetTickCount();
    while (pump_.drain()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed > ms) return;
        // Sleeps until a message arrives or the time is up; MWMO_INPUTAVAILABLE
        // also wakes for messages that arrived before this call but were not read.
        MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace quorvane::win32
