#include "harness/text.h"

#include <windows.h>

namespace quorvane::e2e {

namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string fromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
    return toWide(CP_UTF8, utf8);
}
std::string narrow(std::wstring_view wide) {
    return fromWide(CP_UTF8, wide);
}
std::string gbk(std::string_view utf8) {
    return fromWide(kGbkCodePage, toWide(CP_UTF8, utf8));
}
std::string fromGbk(std::string_view gbkBytes) {
    return fromWide(CP_UTF8, toWide(kGbkCodePage, gbkBytes));
}

std::string hexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0f];
    }
    return hex;
}

bool parseHex(std::string_view hex, std::string& bytes) {
    if (hex.size() % 2 != 0) return false;
    std::string out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
    }
    bytes = std::move(out);
    return true;
}

}  // namespace quorvane::e2e
