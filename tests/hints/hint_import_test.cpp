// Importing a file of hint words into a real library: what goes in, what is
// skipped, and files refused as a whole with the library left as it was.
#include "hints/hint_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unordered_set>
#include <vector>

#include "fakes/fake_text_codec.h"
#include "fakes/library_rows.h"
#include "fakes/temp_dir.h"
#include "hints/hint_table.h"
#include "hints/hint_words_file.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::hints {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// A library holding "GetDC" and "it's", opened as the program opens it.
class HintImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store::createLibrary(dir / store::kLibraryFileName, store::kLibraryPassword));
        ASSERT_TRUE(db.Open(control, dir / store::kLibraryFileName, store::kLibraryPassword));
        rows.hint("GetDC", "winuser.h");
        rows.hint("it's");
    }

    HintImportResult import(const std::string& bytes) { return importHintWords(bytes, db, codec); }

    // Every row of the hint table: word and description, in the order stored.
    Rows hintRows() {
        Rows cells;
        db.ReadTable(cells, kHintTable, {"命令", "说明"}, "1=1 order by ID");
        return cells;
    }
    const Rows seeded{{"GetDC", "winuser.h"}, {"it's", ""}};

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    store::DbConnection control;
    store::RecordStore db;
    fakes::LibraryRows rows{db};
};

TEST_F(HintImport, NewWordsGoInWithTheirDescriptionsAndRepeatsAndBlankLinesAreCounted) {
    const HintImportResult result = import(
        "\xEF\xBB\xBF"            // a byte order mark
        "strlen\tC 标准库\r\n"    // CR LF
        "getdc\n"                 // in the library already, in another case
        "\n"
        "  \t  \n"                // blanks only
        "  operator'  \t it's a 'quote'  \n"
        "STRLEN\tagain\n"         // repeated in the file
        "push_back\tvector\tmember\n"
        "ReadFile");              // no line break at the end

    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.message, "已导入 4 个命令提示，跳过 4 个（2 个重复，2 个空行）");
    Rows expected = seeded;
    expected.push_back({"strlen", "C 标准库"});
    expected.push_back({"operator'", "it's a 'quote'"});
    expected.push_back({"push_back", "vector\tmember"});
    expected.push_back({"ReadFile", ""});
    EXPECT_EQ(hintRows(), expected);
}

TEST_F(HintImport, AGbkFileIsStoredAsTheSameText) {
    const HintImportResult result = import("lstrlenA\t\xB3\xA4\xB6\xC8\r\n\xC3\xFC\xC1\xEE\n");
    EXPECT_TRUE(result.succeeded) << result.message;
    Rows expected = seeded;
    expected.push_back({"lstrlenA", "长度"});
    expected.push_back({"命令", ""});
    EXPECT_EQ(hintRows(), expected);
}

TEST_F(HintImport, AnEmptyFileAddsNothingAndSaysSo) {
    const HintImportResult result = import("");
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.message, "已导入 0 个命令提示，跳过 0 个（0 个重复，0 个空行）");
    EXPECT_EQ(hintRows(), seeded);
}

TEST_F(HintImport, ABadFileIsRefusedAsAWholeWithItsLine) {
    const std::string hundred(100, 'w');
    const std::string chinese100 = [] {
        std::string text;
        for (int i = 0; i < 100; ++i) text += "字";
        return text;
    }();
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"a word of 101 characters", "a\nb\n" + hundred + "w\n", "第 3 行的命令或说明超过 100 个字符"},
        {"a description of 101 Chinese characters", "a\tb\nc\t" + chinese100 + "字\n",
         "第 2 行的命令或说明超过 100 个字符"},
        {"a byte that no text has", "a\nb\xFF" "c\n", "第 2 行既不是 UTF-8 也不是 GBK 文本"},
        {"a lead byte at the end of a line", "a\nb\xB3\r\nc\n", "第 2 行既不是 UTF-8 也不是 GBK 文本"},
        {"a pair GBK does not define", "a\nb\nc\xA1\x40\n", "第 3 行既不是 UTF-8 也不是 GBK 文本"},
        {"a byte order mark over broken UTF-8", "\xEF\xBB\xBF" "a\n\xB3\xA4\n", "第 2 行既不是 UTF-8 也不是 GBK 文本"},
        {"a NUL byte", std::string("a\nb\0c\n", 6), "第 2 行既不是 UTF-8 也不是 GBK 文本"},
        {"a description without a word", "a\n\tdescription\n", "第 2 行只有说明，没有命令"},
        {"a file over 16 MiB", std::string(kMaxHintFileBytes + 1, 'a'), "文件超过 16 MiB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HintImportResult result = import(c.bytes);
        EXPECT_FALSE(result.succeeded);
        EXPECT_EQ(result.message, std::string(c.message) + "，没有导入任何命令提示");
        EXPECT_EQ(hintRows(), seeded);
    }
}

// A write that fails halfway takes back the words written before it.
TEST_F(HintImport, AFailedWriteLeavesTheLibraryAsItWas) {
    ASSERT_TRUE(control.execute("create trigger refuse_boom before insert on 命令表 when new.命令 = 'boom' "
                                "begin select raise(abort, 'refused'); end"));
    const HintImportResult result = import("first\nsecond\nboom\nlast\n");
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.message, "命令数据库无法写入，没有导入任何命令提示");
    EXPECT_EQ(hintRows(), seeded);

    // The library takes the next import as usual: no transaction was left open.
    ASSERT_TRUE(control.execute("drop trigger refuse_boom"));
    EXPECT_TRUE(import("first\n").succeeded);
}

TEST_F(HintImport, AClosedLibraryIsNotReadAsAnEmptyOne) {
    db.Close();
    const HintImportResult result = import("GetDC\n");
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.message, "命令数据库无法读取，没有导入任何命令提示");
}

TEST_F(HintImport, FromAFile) {
    const std::filesystem::path file = dir / "词.txt";
    std::ofstream(file, std::ios::binary) << "CreateWindowExW\nGetDC\n";
    HintImportResult result = importHintWordsFile(file, db, codec);
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.message, "已导入 1 个命令提示，跳过 1 个（1 个重复，0 个空行）");

    result = importHintWordsFile(dir / "missing.txt", db, codec);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.message, "无法读取文件 " + (dir / "missing.txt").string() + "，没有导入任何命令提示");

    // Refused by its size, before a byte is read.
    const std::filesystem::path big = dir / "big.txt";
    std::ofstream(big, std::ios::binary) << "x";
    std::filesystem::resize_file(big, kMaxHintFileBytes + 1);
    result = importHintWordsFile(big, db, codec);
    EXPECT_EQ(result.message, "文件超过 16 MiB，没有导入任何命令提示");
    EXPECT_EQ(hintRows().size(), seeded.size() + 1);
}

// The list the build puts into the program: harvested from the Windows
// headers, with the standard library's everyday names.
TEST(StarterHints, TheProgramsListIsAcceptedWhole) {
    std::ifstream in(QUORVANE_STARTER_HINTS_FILE, std::ios::binary);
    ASSERT_TRUE(in) << QUORVANE_STARTER_HINTS_FILE;
    const std::string text(std::istreambuf_iterator<char>(in), {});
    fakes::FakeTextCodec codec;
    const HintFileContent content = readHintWords(text, codec);
    ASSERT_FALSE(content.problem) << "line " << content.problem->line;
    EXPECT_EQ(content.blankLines, 0);

    const std::vector<store::HintWord> words = starterHintWords(text, codec);
    EXPECT_EQ(words.size(), content.words.size()) << "every word once, without case";
    EXPECT_GT(words.size(), 20000u);
    std::unordered_set<std::string> all;
    for (const store::HintWord& hint : words) all.insert(hint.word);
    for (const char* word : {"GetWindowTextA", "GetWindowTextW", "CreateFileW", "MessageBoxA", "strlen", "memcpy",
                             "printf", "push_back", "emplace_back", "substr"})
        EXPECT_TRUE(all.count(word)) << word;
}

TEST(StarterHints, ARefusedListGivesNoWordsAndARepeatGoesInOnce) {
    fakes::FakeTextCodec codec;
    EXPECT_TRUE(starterHintWords("a\n\tno word\n", codec).empty());
    EXPECT_EQ(starterHintWords("a\nA\nb\n", codec), (std::vector<store::HintWord>{{"a", ""}, {"b", ""}}));
}

}  // namespace
}  // namespace quorvane::hints
