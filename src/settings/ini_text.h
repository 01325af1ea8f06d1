#pragma once
// The settings file as a text editor may have saved it, turned into the GBK
// bytes the reader parses: GBK as the program writes it, or UTF-8 (with or
// without a byte order mark), or UTF-16 with a byte order mark.
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace quorvane::settings {

struct GbkText {
    std::string bytes;
    // False when the file holds text that GBK cannot (or a broken UTF-16
    // sequence): writing these bytes back would lose some of it.
    bool exact = true;
};

// UTF-8 is recognised by its byte order mark, or by being valid UTF-8 with
// some non-ASCII text; anything else is GBK and passes unchanged, byte for byte.
GbkText toGbkText(std::string_view fileBytes, const TextCodec& codec);

}  // namespace quorvane::settings
