#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "ini_fixture.h"

namespace quorvane::settings {
namespace {

using testing::bytesOf;
using testing::SettingsIniFileTest;
namespace fs = std::filesystem;

// The text as an editor saves it as "Unicode": UTF-16 after a byte order mark.
std::string utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// One settings file in UTF-8 (this source's encoding) and UTF-16.
const std::string kUtf8Text = "[xitong]\r\nzdtjfh=假\r\n[shezhi]\r\n宽度=300\r\n";
const std::u16string kUtf16Text = u"[xitong]\r\nzdtjfh=假\r\n[shezhi]\r\n宽度=300\r\n";

TEST_F(SettingsIniFileTest, MissingFileReadsTheDefaultAndIsNotCreated) {
    EXPECT_EQ(ini.read("xitong", "zdtjfh", "真"), "真");
    EXPECT_EQ(ini.read("xitong", "zdtjfh"), "");
    EXPECT_FALSE(fs::exists(path));
}

// How lines of an existing file are understood: one file, many lookups.
TEST_F(SettingsIniFileTest, LookupInAnExistingFile) {
    putFile(
        "top=before any section\r\n"
        "; a comment\r\n"
        "[XiTong]\r\n"
        "  ZDTJFH  =  \xD5\xE6  \r\n"  // 真, padded with blanks
        "mlts=\r\n"
        ";tstjzwm=\xD5\xE6\r\n"
        "gbgz=first\r\n"
        "gbgz=second\r\n"
        "line without equals sign\r\n"
        "\tquoted = \" a b \" \r\n"
        "half='open\r\n"
        "[ shezhi ]\n"               // LF alone ends a line as well
        "\xBF\xED\xB6\xC8=300abc\n"  // 宽度
        "kuozhanxiang=in shezhi\n"
        "[xitong]\r\n"
        "kuozhanxiang=12\r\n"
        "gbgz=in the second copy\r\n"
        "[broken\r\n"
        "zzzq=under a broken header");  // no line end at all

    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"xitong", "zdtjfh", "真"},  // case of names ignored, blanks trimmed
        {"XITONG", "Zdtjfh", "真"},
        {" xitong ", " zdtjfh ", "真"},      // requested names are trimmed too
        {"xitong", "mlts", ""},              // present but empty: not the default
        {"xitong", "tstjzwm", "<default>"},  // commented out
        {"xitong", "gbgz", "first"},         // the first of two wins
        {"xitong", "quoted", " a b "},       // one pair of quotes is dropped, as the platform does
        {"xitong", "half", "'open"},
        {"xitong", "line without equals sign", "<default>"},
        {"xitong", "top", "<default>"},           // keys before any section belong to none
        {"shezhi", "宽度", "300abc"},             // Chinese key, section name with blanks
        {"shezhi", "kuozhanxiang", "in shezhi"},  // the section counts, not the key alone
        {"xitong", "kuozhanxiang", "12"},         // found in the section's second copy
        {"shezhi", "zdtjfh", "<default>"},
        {"nosuch", "zdtjfh", "<default>"},
        {"broken", "zzzq", "under a broken header"},
        {"xitong", "zzzq", "<default>"},  // a broken header still ends the section before
        {"", "zdtjfh", "<default>"},
        {"xitong", "", "<default>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.read(c.section, c.key, "<default>"), c.expected) << c.section << " / " << c.key;
    }
}

// A GBK trail byte can be ']' or an ASCII letter: it must neither end a
// section name nor fold with case.
TEST_F(SettingsIniFileTest, DoubleByteCharactersAreNotSplitOrCaseFolded) {
    const std::string withBracket = codec.toUtf8("\xB0\x5D", CodePage::Gbk);  // trail byte ']'
    const std::string trailUpper = codec.toUtf8("\x81\x41", CodePage::Gbk);   // trail byte 'A'
    const std::string trailLower = codec.toUtf8("\x81\x61", CodePage::Gbk);   // trail byte 'a'
    putFile("[\xB0\x5D]\r\nk=bracket\r\n[s]\r\n\x81\x41=upper\r\n");

    EXPECT_EQ(ini.read(withBracket, "k"), "bracket");
    EXPECT_EQ(ini.read("s", trailUpper), "upper");
    EXPECT_EQ(ini.read("s", trailLower, "none"), "none");
}

TEST_F(SettingsIniFileTest, LongValuesAreCutAt10239BytesOnACharacterBoundary) {
    const std::string zhong = "\xD6\xD0";  // 中, two bytes
    std::string fiveThousandZhong;
    for (int i = 0; i < 5120; ++i) fiveThousandZhong += zhong;
    std::string fiveThousandZhongUtf8;
    for (int i = 0; i < 5119; ++i) fiveThousandZhongUtf8 += "中";

    struct Case {
        const char* name;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {"fits exactly", std::string(10239, 'x'), std::string(10239, 'x')},
        {"one byte over", std::string(10240, 'x'), std::string(10239, 'x')},
        {"cut falls on a character end", "a" + fiveThousandZhong, "a" + fiveThousandZhongUtf8},
        {"cut falls inside a character", fiveThousandZhong, fiveThousandZhongUtf8},
    };
    for (const Case& c : cases) {
        putFile("[s]\r\nk=" + c.stored + "\r\n");
        const std::string value = ini.read("s", "k");
        EXPECT_EQ(value.size(), c.expected.size()) << c.name;
        EXPECT_TRUE(value == c.expected) << c.name;
    }
}

TEST_F(SettingsIniFileTest, FirstWriteCreatesTheFileInGbk) {
    ASSERT_TRUE(ini.write("xitong", "zdtjfh", "真"));
    ASSERT_TRUE(ini.write("shezhi", "宽度", "300"));
    EXPECT_EQ(fileBytes(),
              "[xitong]\r\nzdtjfh=\xD5\xE6\r\n"
              "[shezhi]\r\n\xBF\xED\xB6\xC8=300\r\n");
    EXPECT_EQ(ini.read("shezhi", "宽度"), "300");
    EXPECT_EQ(ini.read("xitong", "zdtjfh"), "真");
}

// Everything but the one value stays byte for byte, including bytes that are not GBK.
TEST_F(SettingsIniFileTest, WriteKeepsEveryOtherLine) {
    const std::string base =
        "; settings\r\n"
        "[XiTong]\r\n"
        "ZDTJFH = \xBC\xD9   \r\n"  // 假
        "mlts=\xD5\xE6\r\n"
        "\r\n"
        "; about the panel \xFF\x80\r\n"
        "[shezhi]\n"
        "\xBF\xED\xB6\xC8=243\n";
    struct Case {
        const char* name;
        std::string initial;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    };
    const Case cases[] = {
        {"replaces in place, keeping the key's spelling", base, "xitong", "zdtjfh", "真",
         "; settings\r\n[XiTong]\r\nZDTJFH = \xD5\xE6\r\nmlts=\xD5\xE6\r\n\r\n; about the panel \xFF\x80\r\n"
         "[shezhi]\n\xBF\xED\xB6\xC8=243\n"},
        {"appends after the section's last key", base, "xitong", "zzzq", "真",
         "; settings\r\n[XiTong]\r\nZDTJFH = \xBC\xD9   \r\nmlts=\xD5\xE6\r\nzzzq=\xD5\xE6\r\n\r\n"
         "; about the panel \xFF\x80\r\n[shezhi]\n\xBF\xED\xB6\xC8=243\n"},
        {"appends to a section at the end", base, "shezhi", "高度", "560", base + "\xB8\xDF\xB6\xC8=560\r\n"},
        {"creates a missing section at the end", base, "other", "k", "v", base + "[other]\r\nk=v\r\n"},
        {"ends an unterminated last line first", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        {"new section after an unterminated line", "[a]\r\nx=1", "b", "y", "2",
         "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"fills an empty value", "[a]\r\nx=\r\n", "a", "x", "1", "[a]\r\nx=1\r\n"},
        {"empties a value", "[a]\r\nx=1\r\n", "a", "x", "", "[a]\r\nx=\r\n"},
        {"only the first of duplicate keys", "[a]\r\nx=1\r\nx=2\r\n", "a", "x", "3", "[a]\r\nx=3\r\nx=2\r\n"},
        {"empty file", "", "a", "x", "1", "[a]\r\nx=1\r\n"},
        {"section with no keys yet", "[a]\r\n\r\n[b]\r\n", "a", "x", "1", "[a]\r\nx=1\r\n\r\n[b]\r\n"},
        {"new key goes to the first copy of a section", "[a]\r\nx=1\r\n[b]\r\n[A]\r\ny=2\r\n", "a", "z", "3",
         "[a]\r\nx=1\r\nz=3\r\n[b]\r\n[A]\r\ny=2\r\n"},
        {"a key in the second copy is replaced there", "[a]\r\nx=1\r\n[b]\r\n[A]\r\ny=2\r\n", "a", "y", "3",
         "[a]\r\nx=1\r\n[b]\r\n[A]\r\ny=3\r\n"},
    };
    for (const Case& c : cases) {
        putFile(c.initial);
        ASSERT_TRUE(ini.write(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(fileBytes(), c.expected) << c.name;
        EXPECT_EQ(ini.read(c.section, c.key), c.value) << c.name;
    }
    EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"}) << "no temporary file left";
}

// Values that reading would change are stored so that they read back as written.
TEST_F(SettingsIniFileTest, WrittenValuesReadBackUnchanged) {
    const struct {
        const char* value;
        const char* stored;
    } cases[] = {
        {"plain", "plain"},           {" padded ", "\" padded \""},
        {"\tx", "\"\tx\""},           {"\"quoted\"", "\"\"quoted\"\""},
        {"'single'", "\"'single'\""}, {"\"", "\""},
        {"\"half", "\"half"},         {"", ""},
    };
    for (const auto& c : cases) {
        fs::remove(path);
        ASSERT_TRUE(ini.write("a", "x", c.value)) << c.value;
        EXPECT_EQ(fileBytes(), std::string("[a]\r\nx=") + c.stored + "\r\n") << c.value;
        EXPECT_EQ(ini.read("a", "x"), c.value);
        ASSERT_TRUE(ini.write("a", "x", c.value)) << "in place: " << c.value;
        EXPECT_EQ(ini.read("a", "x"), c.value) << "in place";
    }
}

TEST_F(SettingsIniFileTest, WriteKeepsTheFilesRights) {
    putFile("[a]\r\nx=1\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ini.write("a", "x", "2"));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Texts that would inject lines or not read back as written are refused, and the file is untouched.
TEST_F(SettingsIniFileTest, WriteRefusesTextsThatWouldNotReadBack) {
    const std::string original = "[a]\r\nx=1\r\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"a", "x", "1\r\n[b]\r\ny=2"},  // a value cannot smuggle in lines
        {"a", "x", "1\nz=3"},
        {"a", "x=y", "1"},
        {"a", "x\ny", "1"},
        {"a", ";x", "1"},
        {"a", "[x", "1"},
        {"a]", "x", "1"},
        {"a\r\n[b", "x", "1"},
        {"", "x", "1"},
        {"a", "", "1"},
        {"a", " ", "1"},
        {"a", "x", "😀"},  // not in GBK: would be stored as '?'
        {"a", "😀", "1"},
        {"a", "x", "\xFF"},  // not UTF-8
    };
    for (const Case& c : cases) {
        putFile(original);
        EXPECT_FALSE(ini.write(c.section, c.key, c.value)) << c.section << " / " << c.key << " / " << c.value;
        EXPECT_EQ(fileBytes(), original) << c.section << " / " << c.key << " / " << c.value;
    }
    EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"});
}

TEST_F(SettingsIniFileTest, FailedWriteReportsFalseAndKeepsTheOldFile) {
    const std::string original = "[xitong]\r\nzdtjfh=\xD5\xE6\r\n";

    // The file is made read-only: our own check, since the tests may run as root.
    putFile(original);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(ini.write("xitong", "zdtjfh", "假"));
    EXPECT_EQ(fileBytes(), original);
    EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"});
    EXPECT_EQ(ini.read("xitong", "zdtjfh"), "真");
}

TEST_F(SettingsIniFileTest, FailedWriteWhenThePathCannotHoldAFile) {
    // The directory is a regular file: even root cannot create anything under it.
    const fs::path notADirectory = dir / "run";
    { std::ofstream(notADirectory) << "plain file"; }
    IniFile underFile(notADirectory / "mlkpz.ini", codec);
    EXPECT_FALSE(underFile.write("xitong", "zdtjfh", "假"));
    EXPECT_EQ(underFile.read("xitong", "zdtjfh", "真"), "真");

    IniFile inMissingDirectory(dir / "missing" / "mlkpz.ini", codec);
    EXPECT_FALSE(inMissingDirectory.write("xitong", "zdtjfh", "假"));
    EXPECT_FALSE(fs::exists(dir / "missing"));

    // A directory where the file should be is neither read nor replaced.
    fs::create_directory(path);
    std::ofstream(path / "keep.txt") << "kept";
    EXPECT_FALSE(ini.write("xitong", "zdtjfh", "假"));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(fs::exists(path / "keep.txt"));
    EXPECT_EQ(ini.read("xitong", "zdtjfh", "真"), "真");

    std::vector<fs::path> entries = directoryEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<fs::path>{"mlkpz.ini", "run"})) << "no temporary file left";
}

// A text editor may have saved the file as UTF-8 or UTF-16, or with other line ends.
TEST_F(SettingsIniFileTest, ReadsFilesAsTextEditorsSaveThem) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* option;
        const char* width;
    };
    const Case cases[] = {
        {"GBK, as the program writes it",
         "[xitong]\r\nzdtjfh=\xBC\xD9\r\n[shezhi]\r\n\xBF\xED\xB6\xC8=300\r\n", "假", "300"},
        {"UTF-8 after a byte order mark", "\xEF\xBB\xBF" + kUtf8Text, "假", "300"},
        {"UTF-8 without a mark", kUtf8Text, "假", "300"},
        {"ASCII after a UTF-8 mark", "\xEF\xBB\xBF[xitong]\r\nzdtjfh=yes\r\n", "yes", "<default>"},
        {"UTF-8 mark, then GBK lines",
         "\xEF\xBB\xBF[xitong]\r\nzdtjfh=\xBC\xD9\r\n[shezhi]\r\n\xBF\xED\xB6\xC8=300\r\n", "假", "300"},
        {"UTF-16 little-endian", utf16File(kUtf16Text, false), "假", "300"},
        {"UTF-16 big-endian", utf16File(kUtf16Text, true), "假", "300"},
        {"UTF-16 with a character GBK lacks", utf16File(u"; 😀\r\n" + kUtf16Text, false), "假", "300"},
        {"lone CR line ends", "[xitong]\rzdtjfh=\xBC\xD9\r[shezhi]\r\xBF\xED\xB6\xC8=300\r", "假", "300"},
        {"mixed line ends", "[xitong]\nzdtjfh=\xBC\xD9\r[shezhi]\r\n\xBF\xED\xB6\xC8=300", "假", "300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putFile(c.bytes);
        EXPECT_EQ(ini.read("xitong", "zdtjfh", "<default>"), c.option);
        EXPECT_EQ(ini.read("shezhi", "宽度", "<default>"), c.width);
    }
}

// The next write turns the file back into GBK, with one section of each name.
// Text GBK cannot hold would be lost that way: such a file is left as it is.
TEST_F(SettingsIniFileTest, WritesEditorSavedFilesBackInGbk) {
    const std::string gbkText = "[xitong]\r\nzdtjfh=\xD5\xE6\r\n[shezhi]\r\n\xBF\xED\xB6\xC8=300\r\n";
    struct Case {
        const char* name;
        std::string before;
        std::optional<std::string> after;  // nullopt: the write is refused
    };
    const Case cases[] = {
        {"UTF-8 after a byte order mark", "\xEF\xBB\xBF" + kUtf8Text, gbkText},
        {"UTF-8 without a mark", kUtf8Text, gbkText},
        {"UTF-16 little-endian", utf16File(kUtf16Text, false), gbkText},
        {"UTF-16 big-endian", utf16File(kUtf16Text, true), gbkText},
        {"UTF-8 mark, then GBK lines", "\xEF\xBB\xBF[xitong]\r\nzdtjfh=\xBC\xD9\r\n",
         "[xitong]\r\nzdtjfh=\xD5\xE6\r\n"},
        {"lone CR line ends", "[xitong]\rzdtjfh=\xBC\xD9\r[shezhi]\r",
         "[xitong]\rzdtjfh=\xD5\xE6\r[shezhi]\r"},
        {"lone CR line ends, new key", "[xitong]\rmlts=1\r[shezhi]\r",
         "[xitong]\rmlts=1\rzdtjfh=\xD5\xE6\r\n[shezhi]\r"},
        {"UTF-8 with a character GBK lacks", "; 😀\r\n" + kUtf8Text, std::nullopt},
        {"UTF-16 with a character GBK lacks", utf16File(u"; 😀\r\n" + kUtf16Text, true), std::nullopt},
        {"UTF-16 cut inside a character", utf16File(kUtf16Text, false) + "x", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putFile(c.before);
        EXPECT_EQ(ini.write("xitong", "zdtjfh", "真"), c.after.has_value());
        EXPECT_EQ(fileBytes(), c.after.value_or(c.before));
        EXPECT_EQ(ini.read("xitong", "zdtjfh"), c.after ? "真" : "假");
    }
    EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"});
}

// What a read cannot return in full is not written; the limit counts GBK bytes.
TEST_F(SettingsIniFileTest, ValuesLongerThanAReadReturnsAreRefused) {
    std::string zhong5119;
    for (int i = 0; i < 5119; ++i) zhong5119 += "中";  // 10238 bytes in GBK, 15357 in UTF-8
    const struct {
        const char* name;
        std::string value;
        bool written;
    } cases[] = {
        {"10239 bytes", std::string(10239, 'x'), true},
        {"10240 bytes", std::string(10240, 'x'), false},
        {"10239 GBK bytes of Chinese", zhong5119 + "a", true},
        {"10240 GBK bytes of Chinese", zhong5119 + "中", false},
    };
    const std::string original = "[a]\r\nx=1\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putFile(original);
        EXPECT_EQ(ini.write("a", "x", c.value), c.written);
        if (c.written) {
            EXPECT_TRUE(ini.read("a", "x") == c.value);
        } else {
            EXPECT_EQ(fileBytes(), original);
        }
    }
}

// Replacing the link by a file would cut the settings off from where they live.
TEST_F(SettingsIniFileTest, WriteThroughASymbolicLinkReplacesTheFileItLeadsTo) {
    struct Case {
        const char* name;
        std::vector<std::pair<fs::path, fs::path>> links;  // link, where it points
        bool fileExists;
    };
    const fs::path real = dir / "real" / "settings.ini";
    const Case cases[] = {
        {"relative link", {{path, "real/settings.ini"}}, true},
        {"absolute link", {{path, real}}, true},
        {"chain of links, each relative to its own folder",
         {{path, "real/hop.ini"}, {dir / "real" / "hop.ini", "settings.ini"}},
         true},
        {"link to a file not made yet", {{path, "real/settings.ini"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir / "real");
        fs::remove(path);
        fs::create_directory(dir / "real");
        if (c.fileExists)
            std::ofstream(real, std::ios::binary) << "[xitong]\r\nzdtjfh=\xBC\xD9\r\nmlts=1\r\n";
        for (const auto& [link, target] : c.links) fs::create_symlink(target, link);

        ASSERT_TRUE(ini.write("xitong", "zdtjfh", "真"));
        for (const auto& [link, target] : c.links) {
            EXPECT_TRUE(fs::is_symlink(link)) << link;
            EXPECT_EQ(fs::read_symlink(link), target);
        }
        EXPECT_EQ(bytesOf(real), c.fileExists ? "[xitong]\r\nzdtjfh=\xD5\xE6\r\nmlts=1\r\n"
                                              : "[xitong]\r\nzdtjfh=\xD5\xE6\r\n");
        EXPECT_EQ(ini.read("xitong", "zdtjfh"), "真");
    }
    std::vector<fs::path> entries = directoryEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<fs::path>{"mlkpz.ini", "real"})) << "nothing left beside the link";
}

// Whatever already has the temporary's name is neither written through nor renamed into place.
TEST_F(SettingsIniFileTest, TemporaryIsAlwaysANewFile) {
    const fs::path taken = dir / "mlkpz.ini.tmp1";
    const fs::path victim = dir / "victim";
    const struct {
        const char* name;
        std::function<void()> plant;
    } cases[] = {
        {"a file", [&] { std::ofstream(taken) << "not mine"; }},
        {"a link to a file not made yet", [&] { fs::create_symlink(victim, taken); }},
        {"a directory", [&] { fs::create_directory(taken); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(taken);
        putFile("[xitong]\r\nzdtjfh=\xBC\xD9\r\n");
        c.plant();
        const fs::file_type planted = fs::symlink_status(taken).type();
        const std::string plantedBytes = fs::is_regular_file(taken) ? bytesOf(taken) : "";

        ASSERT_TRUE(ini.write("xitong", "zdtjfh", "真"));
        EXPECT_EQ(fileBytes(), "[xitong]\r\nzdtjfh=\xD5\xE6\r\n");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
        EXPECT_EQ(fs::symlink_status(taken).type(), planted);
        EXPECT_EQ(fs::is_regular_file(taken) ? bytesOf(taken) : "", plantedBytes);
        EXPECT_FALSE(fs::exists(fs::symlink_status(victim)));
    }
}

// Start-up removes what killed writers left: the file's temporaries, nothing else.
TEST_F(SettingsIniFileTest, RemovesTemporariesLeftByKilledWriters) {
    const std::string settings = "[xitong]\r\nzdtjfh=\xD5\xE6\r\n";
    putFile(settings);
    const struct {
        const char* name;
        bool removed;
    } files[] = {
        {"mlkpz.ini.tmp1", true},  {"mlkpz.ini.tmp482913", true}, {"mlkpz.ini.tmp", false},
        {"mlkpz.ini.tmpx", false}, {"mlkpz.ini.tmp12a", false},   {"mlkpz.ini.tmp1.bak", false},
        {"other.ini.tmp1", false}, {"mlkpz.ini.bak", false},
    };
    for (const auto& f : files) std::ofstream(dir / f.name) << "partial";
    fs::create_directory(dir / "mlkpz.ini.tmp7");  // not a file a writer made

    EXPECT_EQ(ini.removeStaleTemporaries(), 2);
    for (const auto& f : files) EXPECT_EQ(fs::exists(dir / f.name), !f.removed) << f.name;
    EXPECT_TRUE(fs::is_directory(dir / "mlkpz.ini.tmp7"));
    EXPECT_EQ(fileBytes(), settings);
    EXPECT_EQ(ini.removeStaleTemporaries(), 0);
}

}  // namespace
}  // namespace quorvane::settings
