#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

constexpr UINT kGbkCodePage = 936;

UINT codePageOf(CodePage page) {
    return page == CodePage::Gbk ? kGbkCodePage : CP_ACP;
}

}  // namespace

std::wstring toWide(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string fromWide(std::wstring_view text, UINT codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string WinTextCodec::fromUtf8(std::string_view utf8, CodePage page) const {
    return fromWide(toUtf16(utf8), codePageOf(page));
}

std::string WinTextCodec::toUtf8(std::string_view bytes, CodePage page) const {
    return win32::toUtf8(toWide(bytes, codePageOf(page)));
}

}  // namespace quorvane::win32
