#pragma once
// 分隔条1: a plain bar between the tree and the info box. Dragging it is the
// docking work's; for now it only shows where it can be grabbed.
#include <windows.h>

namespace quorvane::win32 {

inline constexpr wchar_t kSplitterClass[] = L"QuorvaneSplitter";

bool registerSplitterClass(HINSTANCE instance);

}  // namespace quorvane::win32
