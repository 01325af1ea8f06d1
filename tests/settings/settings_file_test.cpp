#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/settings_keys.h"

namespace quorvane::settings {
namespace {

TEST(SettingsTruth, OnlyTheExactTrueTextIsTrue) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"真", true},   {"假", false},  {"1", false},    {"true", false},     {"TRUE", false}, {"", false},
        {"真 ", false}, {" 真", false}, {"真真", false}, {"\xD5\xE6", false},  // GBK bytes of 真
    };
    for (const auto& c : cases) EXPECT_EQ(isTrue(c.text), c.expected) << c.text;
    EXPECT_STREQ(truthText(true), "真");
    EXPECT_STREQ(truthText(false), "假");
    EXPECT_TRUE(isTrue(truthText(true)));
    EXPECT_FALSE(isTrue(truthText(false)));
}

TEST(SettingsInteger, ReadsTheLeadingNumberAsAtoiDoes) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"243", 243},
        {"300abc", 300},
        {"abc", 0},
        {"", 0},
        {"-5", -5},
        {"+7", 7},
        {" 42", 42},
        {"\t\r\n 8", 8},
        {"- 5", 0},
        {"--5", 0},
        {"12 34", 12},
        {"0x1A", 0},
        {"007", 7},
        {"3.9", 3},
        {"１２", 0},  // full-width digits are not digits
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},  // overflow holds at the limit
        {"-99999999999999999999999", INT_MIN},
        {"99999999999999999999999abc", INT_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(toInteger(c.text), c.expected) << '"' << c.text << '"';
}

class SettingsFileTest : public ::testing::Test {
protected:
    std::string fileBytes() const {
        std::ifstream in(dir / kSettingsFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    IniFile ini{dir / kSettingsFileName, codec};
    SettingsFile settings{ini};
};

TEST_F(SettingsFileTest, PanelSettingsAndOptionsLiveInTheirOwnSections) {
    EXPECT_EQ(settings.readPanelSetting(kWidthKey, "243"), "243");
    EXPECT_EQ(settings.readOption(kAutoSemicolonKey), "");

    ASSERT_TRUE(settings.writePanelSetting(kWidthKey, "300"));
    ASSERT_TRUE(settings.writeOption(kAutoSemicolonKey, truthText(false)));
    ASSERT_TRUE(settings.writeOption(kWidthKey, "1"));
    EXPECT_EQ(fileBytes(),
              "[shezhi]\r\n\xBF\xED\xB6\xC8=300\r\n"
              "[xitong]\r\nzdtjfh=\xBC\xD9\r\n\xBF\xED\xB6\xC8=1\r\n");

    EXPECT_EQ(settings.readPanelSetting(kWidthKey), "300");
    EXPECT_EQ(settings.readOption(kWidthKey), "1");
    EXPECT_EQ(settings.readOption(kAutoSemicolonKey), "假");
    EXPECT_EQ(settings.readPanelSetting(kAutoSemicolonKey, "none"), "none");
}

// Nothing is cached: a change made through another writer is seen by the next read.
TEST_F(SettingsFileTest, EveryReadGoesToTheFile) {
    ASSERT_TRUE(settings.writeOption(kHintsKey, truthText(true)));
    IniFile other(dir / kSettingsFileName, codec);
    ASSERT_TRUE(other.write(kOptionsSection, kHintsKey, truthText(false)));
    EXPECT_EQ(settings.readOption(kHintsKey), "假");
}

// The file's blanks around a value are the format's, not part of the value,
// so a hand-edited "真 " still reads as true.
TEST_F(SettingsFileTest, BlanksAroundATruthValueInTheFileDoNotCount) {
    std::ofstream(dir / kSettingsFileName, std::ios::binary) << "[xitong]\r\nmlts = \xD5\xE6 \t\r\n";
    EXPECT_TRUE(isTrue(settings.readOption(kHintsKey)));
}

}  // namespace
}  // namespace quorvane::settings
