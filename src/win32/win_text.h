#pragma once
// Text at the W API boundary: UTF-8 (the core's) to and from UTF-16, and the
// core's TextCodec over the system's code pages. Every conversion goes
// through the same two calls of the system.
#include <string>
#include <string_view>

#include <windows.h>

#include "platform/text_codec.h"

namespace quorvane::win32 {

// Bytes of `codePage` to UTF-16, and back; characters the code page lacks
// become the system's default character, '?'.
std::wstring toWide(std::string_view bytes, UINT codePage);
std::string fromWide(std::wstring_view text, UINT codePage);

inline std::wstring toUtf16(std::string_view utf8) { return toWide(utf8, CP_UTF8); }
inline std::string toUtf8(std::wstring_view utf16) { return fromWide(utf16, CP_UTF8); }

// UTF-8 <-> the system's ANSI code page or GBK.
class WinTextCodec final : public TextCodec {
public:
    std::string fromUtf8(std::string_view utf8, CodePage page) const override;
    std::string toUtf8(std::string_view bytes, CodePage page) const override;
};

}  // namespace quorvane::win32
