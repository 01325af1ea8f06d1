#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

// Whether the bytes are UTF-8 as the standard has it: shortest forms only,
// no surrogates, nothing past U+10FFFF.
inline bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

// The core keeps text as UTF-8. Bytes leave it in one of two code pages.
enum class CodePage {
    Ansi,  // the system's ANSI code page (936, GBK, on a Chinese system): typed characters
    Gbk,   // code page 936 whatever the system: the settings file on disk
};

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Characters the code page lacks become '?', as the system conversion does.
    virtual std::string fromUtf8(std::string_view utf8, CodePage page) const = 0;
    virtual std::string toUtf8(std::string_view bytes, CodePage page) const = 0;
};

}  // namespace quorvane
