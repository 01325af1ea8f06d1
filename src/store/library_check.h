#pragma once
// The library's password check. This is an access check, not encryption:
// the file is a plain SQLite database whose header carries a fixed
// application id and a verifier of the password in its user version. The
// password is a constant of the program; the check only keeps the program
// from opening a file that is not its library, or its library with the
// wrong password.
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quorvane::store::detail {

// "QVLB": marks a file as a library.
inline constexpr std::int32_t kLibraryApplicationId = 0x51564C42;

// FNV-1a over the password. Never 0, so a file whose user version was never
// set cannot pass for any password, the empty one included.
inline std::int32_t passwordVerifier(std::string_view password) {
    std::uint32_t hash = 2166136261u;
    for (const char c : std::string_view("quorvane-library:"))
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    for (const char c : password) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    if (hash == 0) hash = 1;
    return static_cast<std::int32_t>(hash);
}

// Reads the check straight from the file's header bytes, before SQLite ever
// opens it, so that a file that fails the check is never written to (not
// even by a journal rollback).
inline bool headerPassesCheck(const std::filesystem::path& path, std::string_view password) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::array<unsigned char, 100> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return false;
    static constexpr std::string_view kMagic("SQLite format 3\0", 16);
    if (std::string_view(reinterpret_cast<const char*>(header.data()), kMagic.size()) != kMagic) return false;
    const auto bigEndian = [&header](std::size_t offset) {
        return static_cast<std::int32_t>(
            std::uint32_t{header[offset]} << 24 | std::uint32_t{header[offset + 1]} << 16 |
            std::uint32_t{header[offset + 2]} << 8 | std::uint32_t{header[offset + 3]});
    };
    constexpr std::size_t kUserVersionOffset = 60;
    constexpr std::size_t kApplicationIdOffset = 68;
    return bigEndian(kApplicationIdOffset) == kLibraryApplicationId &&
           bigEndian(kUserVersionOffset) == passwordVerifier(password);
}

}  // namespace quorvane::store::detail
