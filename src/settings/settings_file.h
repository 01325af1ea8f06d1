#pragma once
// The settings file as the program uses it: nothing cached, every read goes
// to the file and every change is written at once.
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace quorvane::settings {

// Only the exact text "真" is true.
bool isTrue(std::string_view text);
const char* truthText(bool value);
// The leading decimal number of the text, as atoi reads it; 0 when none.
int toInteger(std::string_view text);

class SettingsFile {
public:
    explicit SettingsFile(IniFile& ini) : ini_(ini) {}

    // Section "shezhi".
    std::string readPanelSetting(std::string_view key, std::string_view defaultValue = "") const;
    bool writePanelSetting(std::string_view key, std::string_view value);
    // Section "xitong".
    std::string readOption(std::string_view key, std::string_view defaultValue = "") const;
    bool writeOption(std::string_view key, std::string_view value);

private:
    IniFile& ini_;
};

}  // namespace quorvane::settings
