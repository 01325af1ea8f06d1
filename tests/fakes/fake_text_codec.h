#pragma once
// Code page conversion for native tests, by iconv. Both code pages are GBK
// here, as on the Chinese system the program is made for.
#include "platform/text_codec.h"

namespace quorvane::fakes {

class FakeTextCodec : public TextCodec {
public:
    std::string fromUtf8(std::string_view utf8, CodePage page) const override;
    std::string toUtf8(std::string_view bytes, CodePage page) const override;
};

}  // namespace quorvane::fakes
