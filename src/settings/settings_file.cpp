#include "settings/settings_file.h"

#include <climits>

#include "settings/settings_keys.h"

namespace quorvane::settings {

bool isTrue(std::string_view text) {
    return text == kTrueText;
}

const char* truthText(bool value) {
    return value ? kTrueText : kFalseText;
}

int toInteger(std::string_view text) {
    std::size_t i = 0;
    // The blanks atoi skips in the C locale.
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated towards the sign's side so INT_MIN fits; overflow sticks at
    // the limit, as the Windows runtime's atoi does.
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value * 10 + (negative ? -digit : digit);
        if (value > INT_MAX) return INT_MAX;
        if (value < INT_MIN) return INT_MIN;
    }
    return static_cast<int>(value);
}

std::string SettingsFile::readPanelSetting(std::string_view key, std::string_view defaultValue) const {
    return ini_.read(kPanelSection, key, defaultValue);
}

bool SettingsFile::writePanelSetting(std::string_view key, std::string_view value) {
    return ini_.write(kPanelSection, key, value);
}

std::string SettingsFile::readOption(std::string_view key, std::string_view defaultValue) const {
    return ini_.read(kOptionsSection, key, defaultValue);
}

bool SettingsFile::writeOption(std::string_view key, std::string_view value) {
    return ini_.write(kOptionsSection, key, value);
}

}  // namespace quorvane::settings
