#pragma once
#include <windows.h>

namespace quorvane::win32 {

// Marks the keys the program sends itself (dwExtraInfo), so its own keyboard
// hook lets them through untouched.
inline constexpr ULONG_PTR kOwnInputMark = 0x51564E50;

}  // namespace quorvane::win32
