#pragma once
// File paths and the core's UTF-8 text, both ways, on every platform (a
// narrow path on Windows would be in the ANSI code page, not UTF-8).
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane {

inline std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace quorvane
