// quorvane.exe --export FILE, --import FILE and --import-hints FILE: no
// window, one line on standard error, exit code 0 or 1.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/fake_starter_hints.h"
#include "fakes/fake_text_codec.h"
#include "fakes/fake_wall_clock.h"
#include "fakes/file_bytes.h"
#include "fakes/temp_dir.h"
#include "store/db_connection.h"
#include "store/library_backup.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::shell::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class FakeHost : public CommandLineHost {
public:
    void writeErrorLine(const std::string& line) override { lines.push_back(line); }
    bool panelRunning() override { return panel; }

    Lines lines;
    bool panel = false;
};

class CommandLineTest : public ::testing::Test {
protected:
    fs::path library() const { return dir / store::kLibraryFileName; }
    void seed(const std::string& values) {
        ASSERT_TRUE(store::createLibrary(library(), store::kLibraryPassword));
        store::DbConnection control;
        store::RecordStore db;
        ASSERT_TRUE(db.Open(control, library(), store::kLibraryPassword));
        ASSERT_TRUE(db.Insert("分类表", "分类名,序号,父类,说明", values));
    }
    std::optional<int> run(Lines arguments) {
        std::vector<std::string> args(arguments.begin(), arguments.end());
        return CommandLine(dir.path(), host, clock, starterHints, codec).run(args);
    }

    fakes::TempDir dir;
    fakes::TempDir files;
    FakeHost host;
    fakes::FakeWallClock clock;
    fakes::FakeStarterHints starterHints;
    fakes::FakeTextCodec codec;
};

TEST_F(CommandLineTest, WithoutArgumentsThePanelStarts) {
    EXPECT_EQ(run({}), std::nullopt);
    EXPECT_TRUE(host.lines.empty());
}

TEST_F(CommandLineTest, WrongArgumentsFailWithTheUsage) {
    const struct {
        Lines arguments;
        const char* line;
    } cases[] = {
        {{"--export"}, "用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件"},
        {{"--import", ""}, "用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件"},
        {{"--export", "a.json", "b.json"}, "用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件"},
        {{"--help"}, "未知的参数 --help。用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件"},
        {{"库.json"}, "未知的参数 库.json。用法：quorvane.exe --export 文件 | --import 文件 | --import-hints 文件"},
    };
    for (const auto& c : cases) {
        host.lines.clear();
        EXPECT_EQ(run(c.arguments), 1) << c.line;
        EXPECT_EQ(host.lines, Lines{c.line});
    }
    EXPECT_FALSE(fs::exists(library())) << "nothing was created";
}

TEST_F(CommandLineTest, ExportThenImportIntoAFreshFolder) {
    seed("'容器','1','0','it''s'");
    const fs::path file = files / "库.json";
    EXPECT_EQ(run({"--export", file.string()}), 0);
    EXPECT_EQ(host.lines, Lines{"已导出 1 个分类、0 个命令、0 个提示词到 " + file.string()});

    // Another folder with no library yet: the import makes one first, as a
    // start would, with the hint words the program carries.
    fakes::TempDir other;
    FakeHost otherHost;
    EXPECT_EQ(CommandLine(other.path(), otherHost, clock, starterHints, codec).run({"--import", file.string()}), 0);
    EXPECT_EQ(otherHost.lines, Lines{"已导入：分类添加 1 个、跳过 0 个；命令添加 0 个、跳过 0 个；提示词添加 0 个、跳过 0 个"});
    store::DbConnection control;
    store::RecordStore db;
    ASSERT_TRUE(db.Open(control, other / store::kLibraryFileName, store::kLibraryPassword));
    std::vector<std::string> values;
    db.ReadColumn(values, "分类表", "说明", "");
    EXPECT_EQ(values, Lines{"it^!s"});
    db.ReadColumn(values, "命令表", "命令", "");
    EXPECT_EQ(values, (Lines{"GetWindowTextA", "GetWindowTextW", "strlen"}));
}

TEST_F(CommandLineTest, ExportWithoutALibraryFailsAndMakesNone) {
    EXPECT_EQ(run({"--export", (files / "x.json").string()}), 1);
    EXPECT_EQ(host.lines, Lines{"导出失败：没有命令数据库"});
    EXPECT_FALSE(fs::exists(library()));
    EXPECT_FALSE(fs::exists(files / "x.json"));
}

// The panel's tree would not show what came in, and its next change would
// be made against rows it never saw: the user closes it first.
TEST_F(CommandLineTest, ImportIsRefusedWhileAPanelRuns) {
    seed("'容器','1','0',''");
    const std::string before = fakes::readBytes(library());
    const fs::path file = files / "in.json";
    std::ofstream(file) << R"({"format": "quorvane-library", "version": 1, "categories": [{"name": "新"}]})";
    host.panel = true;
    EXPECT_EQ(run({"--import", file.string()}), 1);
    EXPECT_EQ(host.lines, Lines{"导入失败：Quorvane 面板正在运行，请先关闭面板再导入"});
    EXPECT_TRUE(fakes::readBytes(library()) == before);
    // Export only reads: it works beside a running panel.
    EXPECT_EQ(run({"--export", (files / "out.json").string()}), 0);
}

TEST_F(CommandLineTest, ABadFileFailsWithItsProblemAndChangesNothing) {
    seed("'容器','1','0',''");
    const std::string before = fakes::readBytes(library());
    const fs::path file = files / "in.json";
    std::ofstream(file) << R"({"format": "quorvane-library", "version": 3})";
    EXPECT_EQ(run({"--import", file.string()}), 1);
    EXPECT_EQ(host.lines, Lines{"导入失败：version：不支持的格式版本 3（本程序读取版本 1）"});
    EXPECT_TRUE(fakes::readBytes(library()) == before);
    EXPECT_FALSE(fs::exists(dir / store::kBackupFolderName)) << "no backup for a file that was refused";
}

// Hint words come in beside a running panel too: its next lookup finds them.
TEST_F(CommandLineTest, HintWordsAreImportedWithTheirCounts) {
    seed("'容器','1','0',''");
    const fs::path file = files / "words.txt";
    std::ofstream(file, std::ios::binary) << "strcpy\tcopies\r\n\r\nSTRCPY\r\nmemmove\r\n";
    host.panel = true;
    EXPECT_EQ(run({"--import-hints", file.string()}), 0);
    EXPECT_EQ(host.lines, Lines{"已导入 2 个命令提示，跳过 2 个（1 个重复，1 个空行）"});

    host.lines.clear();
    std::ofstream(file, std::ios::binary) << "ok\r\n" << std::string(101, 'x') << "\r\n";
    EXPECT_EQ(run({"--import-hints", file.string()}), 1);
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_NE(host.lines[0].find("第 2 行"), std::string::npos) << host.lines[0];

    store::DbConnection control;
    store::RecordStore db;
    ASSERT_TRUE(db.Open(control, library(), store::kLibraryPassword));
    std::vector<std::string> words;
    db.ReadColumn(words, "命令表", "命令", "");
    EXPECT_EQ(words, (Lines{"strcpy", "memmove"})) << "the refused file added nothing";
}

// The import changes the library: the state before it is kept as a backup.
TEST_F(CommandLineTest, ImportBacksUpTheLibraryFirst) {
    seed("'容器','1','0',''");
    const fs::path file = files / "in.json";
    std::ofstream(file) << R"({"format": "quorvane-library", "version": 1, "categories": [{"name": "新"}]})";
    EXPECT_EQ(run({"--import", file.string()}), 0);
    const std::vector<fs::path> backups = store::listBackups(dir / store::kBackupFolderName);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].filename(), "Cmlsjk-20240315-093000.mdb");
}

}  // namespace
}  // namespace quorvane::shell::testing
