// Start-up and shut-down of the real program: the library file, the panel's
// place and size, and the settings written at the end.
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "harness/e2e_test.h"
#include "ini_bytes.h"
#include "store/db_connection.h"
#include "store/library_file.h"  // kLibraryPassword

namespace quorvane::e2e {
namespace {

class StartupTest : public E2eTest {};

TEST_F(StartupTest, FirstStartInAnEmptyDirectoryCreatesTheLibraryAndShowsThePanel) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr) << "no window titled \"Quorvane\"";
    EXPECT_EQ(windowRect(panel), (ScreenRect{50, 50, 243, 560}));
    EXPECT_TRUE(fileExists(app().libraryPath()));
    ASSERT_TRUE(app().closePanel());
    EXPECT_EQ(app().process().exitCode(), 0u);

    // Three tables, behind the program's password and no other: no
    // categories or commands yet, and the starter set of hint words.
    store::DbConnection db;
    EXPECT_FALSE(db.open(app().libraryPath(), "another password"));
    ASSERT_TRUE(db.open(app().libraryPath(), store::kLibraryPassword));
    for (const auto& [table, empty] : {std::pair{"分类表", true}, {"命令库", true}, {"命令表", false}}) {
        const store::ResultSetHandle rows = db.openResultSet(std::string("SELECT * FROM ") + table);
        ASSERT_NE(rows, 0) << "no table " << table;
        EXPECT_EQ(db.pastEnd(rows), empty) << table;
        db.closeResultSet(rows);
    }
    EXPECT_TRUE(directoryEntries(app().workingDirectory()).empty()) << "files went to the current directory";
}

TEST_F(StartupTest, ClosingThePanelWritesItsPlaceInGbkToShezhi) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    // Away from every screen edge.
    SetWindowPos(panel, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([panel] {
        const ScreenRect rect = windowRect(panel);
        return rect.left == 200 && rect.top == 150;
    }));
    ASSERT_TRUE(app().closePanel());

    const auto bytes = readBytes(app().settingsPath());
    ASSERT_TRUE(bytes.has_value()) << "no mlkpz.ini";
    // Closing writes the place only.
    EXPECT_EQ(iniEntries(*bytes),
              (std::vector<IniEntry>{{"shezhi", gbk("横坐标"), "200"}, {"shezhi", gbk("纵坐标"), "150"}}))
        << hexBytes(*bytes);
    EXPECT_EQ(bytes->find("横坐标"), std::string::npos) << "written as UTF-8";
}

TEST_F(StartupTest, SettingsGiveThePanelItsWidthAndTop) {
    app().seedSettings("[shezhi]\r\n宽度=300abc\r\n纵坐标=120\r\n");
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    // The width's leading number counts; the rest keeps its defaults.
    EXPECT_EQ(windowRect(panel), (ScreenRect{50, 120, 300, 560}));
    ASSERT_TRUE(app().closePanel());
}

TEST_F(StartupTest, LibraryWithAnotherPasswordEndsTheProgramAndStaysAsItWas) {
    ASSERT_TRUE(seedLibrary(app().libraryPath(), {}, "another password"));
    const auto before = readBytes(app().libraryPath());
    ASSERT_TRUE(before.has_value());
    app().start();

    const HWND box = app().waitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxView view = readMessageBox(box);
    EXPECT_EQ(view.text, "打开命令数据库失败");
    EXPECT_EQ(view.title, "信息：");
    EXPECT_EQ(view.buttons.size(), 1u) << "OK only";
    EXPECT_FALSE(view.hasIcon);
    ASSERT_FALSE(view.buttons.empty());
    const HWND ok = findChild(box, "Button", view.buttons.front());
    ASSERT_NE(ok, nullptr);
    click(windowRect(ok).center());

    ASSERT_TRUE(app().process().waitForExit()) << "still running after OK";
    const auto after = readBytes(app().libraryPath());
    ASSERT_TRUE(after.has_value()) << "the library was deleted";
    EXPECT_TRUE(*after == *before) << "the library was changed";
    EXPECT_FALSE(fileExists(app().settingsPath())) << "settings were written";
    const auto left = directoryEntries(app().runDirectory());
    EXPECT_EQ(left, (std::vector<std::string>{"Cmlsjk.mdb", "cwd", "quorvane.exe"})) << "stray files";
}

// One panel per library: a second start calls the running one to the front
// and ends, so no two panels write the same library from stale trees.
TEST_F(StartupTest, ASecondStartOnTheSameLibraryCallsTheRunningPanelUpAndEnds) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    FakeIde& ide = startFakeIde();
    ASSERT_TRUE(bringToFront(ide.frame()));

    Process second = Process::start(app().runDirectory() / "quorvane.exe", {}, app().workingDirectory());
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_TRUE(waitUntil([panel] { return GetForegroundWindow() == panel; })) << "the running panel came to the front";
    EXPECT_TRUE(app().process().running());
    ASSERT_TRUE(app().closePanel());
}

}  // namespace
}  // namespace quorvane::e2e
