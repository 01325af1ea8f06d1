#pragma once
// The splitter: a plain bar between the tree and the info box that the user
// drags up and down. Where it goes is the panel's decision: while dragged,
// it reports the top it would have, and the panel moves it.
#include <windows.h>

namespace quorvane::win32 {

inline constexpr wchar_t kSplitterClass[] = L"QuorvaneSplitter";
// Sent to the parent while the bar is dragged; wParam is the bar's new top
// in the parent's client pixels, as a signed INT_PTR (above the client area it is negative).
inline constexpr UINT kSplitterDraggedMessage = WM_APP + 3;

bool registerSplitterClass(HINSTANCE instance);

}  // namespace quorvane::win32
