#pragma once
// Menus and accelerators of the panel, built from the core's menu data.
#include <windows.h>

#include "shell/menu_layout.h"

namespace quorvane::win32 {

HMENU buildMenuBar();
// A popup for TrackPopupMenu; the caller destroys it.
HMENU buildPopupMenu(const shell::Menu& menu);
HACCEL buildAccelerators();

}  // namespace quorvane::win32
