#pragma once
#include "platform/text_codec.h"

namespace quorvane::win32 {

// UTF-8 <-> the system's ANSI code page or GBK, through UTF-16.
class WinTextCodec final : public TextCodec {
public:
    std::string fromUtf8(std::string_view utf8, CodePage page) const override;
    std::string toUtf8(std::string_view bytes, CodePage page) const override;
};

}  // namespace quorvane::win32
