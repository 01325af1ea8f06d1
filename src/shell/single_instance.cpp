#include "shell/single_instance.h"

#include <cstdint>
#include <cstdio>

namespace quorvane::shell {

std::string panelMutexName(const std::filesystem::path& runDirectory) {
    const std::u8string path = runDirectory.lexically_normal().u8string();
    std::string folded;
    for (const char8_t c : path) {
        char byte = static_cast<char>(c);
        if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte - 'A' + 'a');
        if (byte == '/') byte = '\\';
        folded += byte;
    }
    while (folded.size() > 1 && folded.back() == '\\') folded.pop_back();
    // FNV-1a, 64 bits: the path itself may be longer than a name may be.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : folded) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("Local\\Quorvane-panel-") + hex;
}

}  // namespace quorvane::shell
