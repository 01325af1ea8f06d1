#pragma once
#include <windows.h>

namespace quorvane::win32 {

// The system's message font: a CJK-capable face on a Chinese system, and what
// the user chose for dialogs elsewhere. Null when it cannot be made; the
// caller deletes it.
HFONT createMessageFont();

}  // namespace quorvane::win32
