#pragma once
// UTF-8 <-> UTF-16 for the W API, shared by the desktop, clipboard and
// dialog adapters. The core's TextCodec is about ANSI bytes; this is only
// the conversion at the W API boundary.
#include <string>
#include <string_view>

namespace quorvane::win32 {

std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace quorvane::win32
