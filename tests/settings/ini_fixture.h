#pragma once
// A settings file in a fresh temporary directory, read and written as bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"

namespace quorvane::settings::testing {

inline std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsIniFileTest : public ::testing::Test {
protected:
    void putFile(const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string fileBytes() const { return bytesOf(path); }
    std::vector<std::filesystem::path> directoryEntries() const {
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            entries.push_back(entry.path().filename());
        return entries;
    }
    std::string gbk(std::string_view utf8) const { return codec.fromUtf8(utf8, CodePage::Gbk); }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    std::filesystem::path path = dir / "mlkpz.ini";
    IniFile ini{path, codec};
};

}  // namespace quorvane::settings::testing
