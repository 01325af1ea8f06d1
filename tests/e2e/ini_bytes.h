#pragma once
// Reads a settings file's raw bytes into entries without decoding them, so a
// test compares GBK bytes with GBK bytes.
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::e2e {

struct IniEntry {
    std::string section;  // as written between the brackets
    std::string key;
    std::string value;
    friend bool operator==(const IniEntry&, const IniEntry&) = default;
};

// Bytes above 0x7f as \xNN, so a failure shows GBK and UTF-8 apart.
inline std::ostream& operator<<(std::ostream& out, const IniEntry& entry) {
    const auto escaped = [&out](const std::string& bytes) {
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7f) {
                out << c;
            } else {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", byte);
                out << hex;
            }
        }
    };
    out << "[";
    escaped(entry.section);
    out << "] ";
    escaped(entry.key);
    out << "=";
    escaped(entry.value);
    return out;
}

inline std::vector<IniEntry> iniEntries(std::string_view bytes) {
    std::vector<IniEntry> entries;
    std::string section;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = std::string(line.substr(1, line.size() - 2));
        } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
            entries.push_back(
                {section, std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
        }
    }
    return entries;
}

}  // namespace quorvane::e2e
