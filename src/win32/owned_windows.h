#pragma once
// Message boxes and dialogs belong to the panel: owned by it (no taskbar
// button of their own, the panel active again when they close) and placed
// over it.
#include <windows.h>

namespace quorvane::win32 {

// Moves and sizes `window` over `owner` (or the work area when the owner is
// hidden or minimized).
void placeOverOwner(HWND window, HWND owner, int width, int height);

// MessageBoxW owned by the panel (or by the panel's dialog that is open),
// placed over its owner.
int ownedMessageBox(HWND panel, const wchar_t* text, const wchar_t* title, UINT style);

}  // namespace quorvane::win32
