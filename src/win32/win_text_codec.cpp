#include "win32/win_text_codec.h"

#include <windows.h>

#include "win32/win_utf16.h"

namespace quorvane::win32 {
namespace {

constexpr UINT kGbkCodePage = 936;

UINT codePageOf(CodePage page) {
    return page == CodePage::Gbk ? kGbkCodePage : CP_ACP;
}

}  // namespace

std::string WinTextCodec::fromUtf8(std::string_view utf8, CodePage page) const {
    const std::wstring wide = win32::toUtf16(utf8);
    if (wide.empty()) return {};
    const UINT codePage = codePageOf(page);
    const int size = static_cast<int>(wide.size());
    // Without flags the system puts its default character, '?', for what the code page lacks.
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string WinTextCodec::toUtf8(std::string_view bytes, CodePage page) const {
    if (bytes.empty()) return {};
    const UINT codePage = codePageOf(page);
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return win32::toUtf8(wide);
}

}  // namespace quorvane::win32
