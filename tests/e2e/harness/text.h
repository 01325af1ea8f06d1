#pragma once
// Text conversions. The harness speaks UTF-8 like the core; Windows wants
// UTF-16, and the program's files and posted characters are GBK bytes.
#include <string>
#include <string_view>

namespace quorvane::e2e {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);
// UTF-8 to GBK (code page 936) bytes, and back.
std::string gbk(std::string_view utf8);
std::string fromGbk(std::string_view gbkBytes);
// Lower-case hex of every byte, no separators ("d6d0").
std::string hexBytes(std::string_view bytes);
// The reverse; false for an odd length or a character that is not hex.
bool parseHex(std::string_view hex, std::string& bytes);

}  // namespace quorvane::e2e
