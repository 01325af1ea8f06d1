#include "settings/ini_text.h"

#include <cstdint>

namespace quorvane::settings {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool hasNonAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A broken sequence (lone surrogate, odd last byte) reads as U+FFFD and makes the text inexact.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian, bool& exact) {
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u < 0xD800 || u > 0xDFFF) {
            appendUtf8(out, u);
        } else if (u <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (char32_t{unit(i + 2)} - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, kReplacement);
            exact = false;
        }
    }
    if (i < bytes.size()) exact = false;
    return out;
}

GbkText fromUtf8(const std::string& utf8, const TextCodec& codec, bool exact) {
    GbkText text{codec.fromUtf8(utf8, CodePage::Gbk), exact};
    text.exact = text.exact && codec.toUtf8(text.bytes, CodePage::Gbk) == utf8;
    return text;
}

}  // namespace

GbkText toGbkText(std::string_view fileBytes, const TextCodec& codec) {
    bool exact = true;
    if (startsWith(fileBytes, kUtf16LittleMark) || startsWith(fileBytes, kUtf16BigMark)) {
        const bool bigEndian = startsWith(fileBytes, kUtf16BigMark);
        const std::string utf8 = utf16ToUtf8(fileBytes.substr(2), bigEndian, exact);
        return fromUtf8(utf8, codec, exact);
    }
    // The mark goes even when what follows is not UTF-8: an editor saved the
    // file, then lines in GBK were appended to it.
    if (startsWith(fileBytes, kUtf8Mark)) fileBytes.remove_prefix(kUtf8Mark.size());
    if (hasNonAscii(fileBytes) && isUtf8(fileBytes)) return fromUtf8(std::string(fileBytes), codec, exact);
    return {std::string(fileBytes), exact};
}

}  // namespace quorvane::settings
