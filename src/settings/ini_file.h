#pragma once
// A private-profile (INI) file: GBK bytes on disk, section and key names
// matched without regard to case, a missing file/section/key reads as the
// default. Every write replaces the file atomically. A file a text editor
// saved as UTF-8 or UTF-16 reads too, and the next write turns it back into GBK.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace quorvane::settings {

class IniFile {
public:
    IniFile(std::filesystem::path path, const TextCodec& codec);

    // Values are cut at 10239 bytes (GBK), as a 10240-byte read buffer would.
    std::string read(std::string_view section, std::string_view key, std::string_view defaultValue = "") const;
    // False when the file could not be written; the old file is then intact.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    const TextCodec& codec_;
};

}  // namespace quorvane::settings
