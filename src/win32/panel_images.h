#pragma once
// The panel's pictures, drawn in code: the tree's image list and the icon
// of the panel and of its notification-area entry.
#include <windows.h>

#include <commctrl.h>

namespace quorvane::win32 {

inline constexpr int kTreeImageWidth = 16;
inline constexpr int kTreeImageHeight = 15;
inline constexpr int kTreeImageCount = 13;
inline constexpr int kCategoryImage = 2;
inline constexpr int kCommandImage = 12;

HIMAGELIST createTreeImages();
// A square icon `size` pixels wide.
HICON createPanelIcon(int size);

}  // namespace quorvane::win32
