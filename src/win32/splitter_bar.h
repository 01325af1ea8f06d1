#pragma once
// The splitter: a plain bar between the tree and the info box.
#include <windows.h>

namespace quorvane::win32 {

inline constexpr wchar_t kSplitterClass[] = L"QuorvaneSplitter";

bool registerSplitterClass(HINSTANCE instance);

}  // namespace quorvane::win32
