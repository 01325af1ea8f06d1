#pragma once
#include <windows.h>

namespace quorvane::win32 {

// Draws a control's client edge in the current visual style. The rich edit
// box draws a classic sunken edge itself, which beside the themed tree view
// looks like a different program.
void useThemedBorder(HWND control);

}  // namespace quorvane::win32
