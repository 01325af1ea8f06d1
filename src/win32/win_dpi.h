#pragma once
// The DPI of a window's monitor and the message font at a DPI. The calls
// that know a window's own DPI exist from Windows 10 on; before that every
// window has the system's DPI, so that is the answer there.
#include <windows.h>

namespace quorvane::win32 {

// Dots per inch of the monitor `window` is on, as the system scales it.
UINT windowDpi(HWND window);

// The system's message font made for `dpi`; null when it cannot be made.
// The caller deletes it.
HFONT createMessageFontForDpi(UINT dpi);

}  // namespace quorvane::win32
