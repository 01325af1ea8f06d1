#include "shell/lifecycle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/damaged_page.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_panel_view.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "fakes/unprivileged.h"
#include "settings/ini_file.h"
#include "store/library_file.h"

namespace quorvane::shell {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh world per test: the panel starts away from its designed place so
// that applying the settings shows, and every seam writes to `log`.
class LifecycleTest : public ::testing::Test {
protected:
    LifecycleTest() {
        panel.rect = {0, 0, 100, 100};
        panel.log = &log;
    }

    Lifecycle& make(const fs::path& runDirectory) {
        life = std::make_unique<Lifecycle>(runDirectory, codec, panel, messages);
        LifecycleSeams& seams = life->seams;
        seams.loadCommandTree = [this] {
            log.push_back(life->commandDb().opened() ? "loadCommandTree" : "loadCommandTree without library");
            panelWhenTreeLoaded = panel.rect;
        };
        seams.loadHintPopup = [this] { log.push_back("loadHintPopup"); };
        seams.installKeyboardWatcher = [this] { log.push_back("installKeyboardWatcher"); };
        seams.showDescriptionWindow = [this] { log.push_back("showDescriptionWindow"); };
        seams.expandPanel = [this](bool keepTimerStopped) {
            log.push_back(std::string("expandPanel(") + (keepTimerStopped ? "true" : "false") + ")");
        };
        seams.selectedCategoryNumber = [this] {
            log.push_back(life->commandDb().opened() ? "selectedCategory while open" : "selectedCategory");
            return selectedCategory;
        };
        seams.removeKeyboardWatcher = [this] { log.push_back("removeKeyboardWatcher"); };
        seams.destroyHintPopup = [this] {
            log.push_back("destroyHintPopup");
            leftWhenPopupDestroyed = setting("shezhi", "横坐标");
        };
        return *life;
    }
    Lifecycle& make() { return make(dir.path()); }

    // Starts in the temp dir and forgets the start-up's own log lines.
    Lifecycle& started() {
        Lifecycle& lifecycle = make();
        EXPECT_TRUE(lifecycle.startUp());
        log.clear();
        return lifecycle;
    }

    fs::path settingsFile() const { return dir / "mlkpz.ini"; }
    fs::path libraryFile() const { return dir / "Cmlsjk.mdb"; }
    std::string setting(const char* section, const char* key) const {
        return settings::IniFile(settingsFile(), codec).read(section, key, "<absent>");
    }
    void preset(const char* section, const char* key, const char* value) {
        ASSERT_TRUE(settings::IniFile(settingsFile(), codec).write(section, key, value));
    }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    fakes::FakePanelView panel;
    fakes::FakeMessages messages;
    std::unique_ptr<Lifecycle> life;
    std::vector<std::string> log;
    std::optional<int> selectedCategory;
    Rect panelWhenTreeLoaded;
    std::string leftWhenPopupDestroyed;
};

using Log = std::vector<std::string>;

TEST_F(LifecycleTest, FirstStartCreatesTheLibraryAndAppliesTheDefaults) {
    Lifecycle& lifecycle = make();
    EXPECT_EQ(lifecycle.settingsPath(), settingsFile());

    ASSERT_TRUE(lifecycle.startUp());

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lifecycle.stage(), Lifecycle::Stage::Running);
    EXPECT_EQ(log, (Log{"loadCommandTree", "loadHintPopup", "installKeyboardWatcher", "watchPointer",
                        "addTrayIcon"}));
    // The tree is loaded before the settings move the panel.
    EXPECT_EQ(panelWhenTreeLoaded, (Rect{0, 0, 100, 100}));
    EXPECT_EQ(panel.rect, (Rect{50, 50, 243, 560}));
    EXPECT_TRUE(lifecycle.options().autoSemicolon);
    EXPECT_FALSE(lifecycle.options().hintsEnabled);
    EXPECT_EQ(lifecycle.geometry().shrinkStep, 300);
    // Start-up only reads the settings file.
    EXPECT_FALSE(fs::exists(settingsFile()));

    store::DbConnection withPassword;
    EXPECT_TRUE(withPassword.open(libraryFile(), store::kLibraryPassword));
    for (const char* table : {"分类表", "命令库", "命令表"}) {
        EXPECT_TRUE(withPassword.execute(std::string("select * from [") + table + "]")) << table;
    }
    store::DbConnection withoutPassword;
    EXPECT_FALSE(withoutPassword.open(libraryFile(), ""));
}

TEST_F(LifecycleTest, AnExistingLibraryIsOpenedNotReplaced) {
    ASSERT_TRUE(store::createLibrary(libraryFile(), store::kLibraryPassword));
    {
        store::DbConnection connection;
        ASSERT_TRUE(connection.open(libraryFile(), store::kLibraryPassword));
        ASSERT_TRUE(connection.execute("insert into [命令表]([命令],[说明]) values ('printf','')"));
    }
    Lifecycle& lifecycle = make();
    ASSERT_TRUE(lifecycle.startUp());

    std::vector<std::string> words;
    lifecycle.commandDb().ReadColumn(words, "命令表", "命令", "");
    EXPECT_EQ(words, (std::vector<std::string>{"printf"}));
}

TEST_F(LifecycleTest, StartUpAppliesTheRememberedPlaceAndOptionsWithoutWriting) {
    preset("shezhi", "宽度", "300");
    preset("shezhi", "横坐标", "7");
    preset("xitong", "zdtjfh", "假");
    preset("xitong", "mlts", "真");
    const std::string before = fileBytes(settingsFile());
    Lifecycle& lifecycle = make();

    ASSERT_TRUE(lifecycle.startUp());

    EXPECT_EQ(panel.rect, (Rect{7, 50, 300, 560}));
    EXPECT_FALSE(lifecycle.options().autoSemicolon);
    EXPECT_TRUE(lifecycle.options().hintsEnabled);
    EXPECT_EQ(fileBytes(settingsFile()), before);
}

struct UnopenableCase {
    const char* name;
    // Prepares the run directory and returns it.
    std::function<fs::path(const fs::path& tempDir)> prepare;
};

TEST_F(LifecycleTest, AnUnopenableLibraryEndsTheProgramAndChangesNothing) {
    const UnopenableCase cases[] = {
        {"made with another password",
         [](const fs::path& d) {
             EXPECT_TRUE(store::createLibrary(d / "Cmlsjk.mdb", "another password"));
             return d;
         }},
        {"not a library",
         [](const fs::path& d) {
             writeBytes(d / "Cmlsjk.mdb", "Standard Jet DB, but not really");
             return d;
         }},
        {"empty file",
         [](const fs::path& d) {
             writeBytes(d / "Cmlsjk.mdb", "");
             return d;
         }},
        // The library cannot be created there, so there is nothing to open.
        {"run directory missing", [](const fs::path& d) { return d / "gone"; }},
    };
    for (const UnopenableCase& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::TempDir temp;
        messages.shown.clear();
        log.clear();
        const fs::path runDirectory = c.prepare(temp.path());
        const fs::path library = runDirectory / "Cmlsjk.mdb";
        const bool libraryExisted = fs::exists(library);
        const std::string libraryBefore = fileBytes(library);
        Lifecycle& lifecycle = make(runDirectory);

        EXPECT_FALSE(lifecycle.startUp());
        lifecycle.onActivated();
        lifecycle.onTrayEvent(TrayEvent::LeftButtonUp);
        lifecycle.shutDown();

        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "打开命令数据库失败");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(messages.shown[0].title, "信息：");
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(lifecycle.stage(), Lifecycle::Stage::Ended);
        EXPECT_EQ(log, Log{});
        EXPECT_EQ(fs::exists(library), libraryExisted);
        EXPECT_EQ(fileBytes(library), libraryBefore);
        EXPECT_FALSE(fs::exists(runDirectory / "mlkpz.ini"));
        EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()),
                  libraryExisted ? 1 : 0)
            << "no stray files beside the library";
    }
}

// A damaged page would read as the end of the commands: part of the tree
// shown, and later writes into the damaged file. The start is refused instead,
// and the file is left exactly as it was.
TEST_F(LifecycleTest, ADamagedLibraryEndsTheProgramWithItsPathAndIsNotTouched) {
    ASSERT_TRUE(store::createLibrary(libraryFile(), store::kLibraryPassword));
    {
        store::DbConnection connection;
        ASSERT_TRUE(connection.open(libraryFile(), store::kLibraryPassword));
        ASSERT_TRUE(connection.execute("begin"));
        for (int i = 0; i < 2000; ++i) {
            ASSERT_TRUE(connection.execute("insert into [命令库]([命令名],[分类],[说明]) values ('c" +
                                           std::to_string(i) + "','1','" + std::string(200, 'd') + "')"));
        }
        ASSERT_TRUE(connection.execute("commit"));
    }
    ASSERT_TRUE(fakes::damageMiddleOf(libraryFile(), "命令库"));
    const std::string before = fileBytes(libraryFile());

    Lifecycle& lifecycle = make();
    EXPECT_FALSE(lifecycle.startUp());
    lifecycle.shutDown();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "命令数据库已损坏\r\n" + libraryFile().string());
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(log, Log{}) << "nothing of the library was loaded";
    EXPECT_EQ(lifecycle.stage(), Lifecycle::Stage::Ended);
    EXPECT_EQ(fileBytes(libraryFile()), before);
    EXPECT_FALSE(fs::exists(settingsFile()));
}

// A library the program cannot write to still opens, but the user hears once why changes do not stay.
TEST_F(LifecycleTest, ALibraryThatCannotBeWrittenIsNotedOnce) {
    struct Case {
        const char* name;
        fs::perms folder;
        fs::perms file;
        const char* notice;  // followed by the path of what cannot be written; null for none
    };
    const Case cases[] = {
        {"writable", fs::perms::all, fs::perms::all, nullptr},
        {"read-only file", fs::perms::all, fs::perms::owner_read | fs::perms::others_read, kReadOnlyLibraryText},
        {"read-only folder", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec,
         fs::perms::all, kReadOnlyFolderText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::TempDir temp;
        fs::permissions(temp.path(), fs::perms::all);
        ASSERT_TRUE(store::createLibrary(temp / "Cmlsjk.mdb", store::kLibraryPassword));
        fs::permissions(temp / "Cmlsjk.mdb", c.file);
        fs::permissions(temp.path(), c.folder);
        std::vector<std::string> notices;
        {
            // Root writes whatever the permissions say: the check runs as nobody.
            fakes::Unprivileged asNobody;
            Lifecycle& lifecycle = make(temp.path());
            ASSERT_TRUE(lifecycle.startUp());
            notices = lifecycle.notices();
            lifecycle.shutDown();
            life.reset();
        }
        fs::permissions(temp.path(), fs::perms::all);
        if (c.notice == nullptr) {
            EXPECT_TRUE(notices.empty());
        } else {
            const fs::path what = c.notice == kReadOnlyLibraryText ? temp / "Cmlsjk.mdb" : temp.path();
            EXPECT_EQ(notices, std::vector<std::string>{c.notice + what.string()});
        }
        EXPECT_FALSE(fs::exists(temp / "Cmlsjk.mdb.write-test")) << "the probe leaves nothing behind";
    }
}

TEST_F(LifecycleTest, FirstActivationReopensTheDescriptionWindowOnlyForExactlyTrue) {
    const struct {
        const char* stored;  // nullptr: key absent
        bool reopens;
    } cases[] = {{"真", true}, {"假", false}, {nullptr, false}, {"", false}, {"1", false}, {"True", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(absent)");
        fs::remove(settingsFile());
        if (c.stored) preset("shezhi", "提示窗", c.stored);
        Lifecycle& lifecycle = started();

        lifecycle.onActivated();
        lifecycle.onActivated();

        EXPECT_EQ(log, c.reopens ? Log{"showDescriptionWindow"} : Log{});
    }
}

// A left click calls the panel up, a right click opens the tray menu, a
// double click does nothing more than its first click did.
TEST_F(LifecycleTest, TrayIconClicks) {
    const struct {
        const char* name;
        TrayEvent event;
        bool visibleBefore;
        bool minimizedBefore;
        bool visibleAfter;
        bool minimizedAfter;
        int broughtToFront;
        int trayMenus;
        Log log;
    } cases[] = {
        {"left, hidden", TrayEvent::LeftButtonUp, false, false, true, false, 1, 0, {"expandPanel(true)"}},
        {"left, shown", TrayEvent::LeftButtonUp, true, false, true, false, 1, 0, {"expandPanel(true)"}},
        {"left, minimized", TrayEvent::LeftButtonUp, true, true, true, false, 1, 0, {"expandPanel(true)"}},
        {"double", TrayEvent::DoubleClick, false, true, false, true, 0, 0, {}},
        {"right", TrayEvent::RightButton, true, true, true, true, 0, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lifecycle& lifecycle = started();
        panel.visible = c.visibleBefore;
        panel.minimized = c.minimizedBefore;
        panel.broughtToFront = 0;
        panel.trayMenus = 0;
        // The panel is shown, restored and in front before it slides out.
        lifecycle.seams.expandPanel = [this](bool keepTimerStopped) {
            EXPECT_TRUE(panel.visible);
            EXPECT_FALSE(panel.minimized);
            EXPECT_EQ(panel.broughtToFront, 1);
            log.push_back(std::string("expandPanel(") + (keepTimerStopped ? "true" : "false") + ")");
        };

        lifecycle.onTrayEvent(c.event);

        EXPECT_EQ(panel.visible, c.visibleAfter);
        EXPECT_EQ(panel.minimized, c.minimizedAfter);
        EXPECT_EQ(panel.broughtToFront, c.broughtToFront);
        EXPECT_EQ(panel.trayMenus, c.trayMenus);
        EXPECT_EQ(log, c.log);
    }
}

TEST_F(LifecycleTest, PointerOverThePanelExpandsItUnlessMinimized) {
    Lifecycle& lifecycle = started();
    lifecycle.onPointerOverPanel();
    panel.minimized = true;
    lifecycle.onPointerOverPanel();
    EXPECT_EQ(log, Log{"expandPanel(false)"});
}

TEST_F(LifecycleTest, ShutDownClosesTheLibraryThenSavesTheCategoryAndPosition) {
    preset("xitong", "kuozhanxiang", "5");
    Lifecycle& lifecycle = started();
    selectedCategory = 12;
    panel.rect = {-300, 400, 243, 560};

    lifecycle.shutDown();

    EXPECT_EQ(log, (Log{"selectedCategory", "removeKeyboardWatcher", "destroyHintPopup"}));
    EXPECT_FALSE(lifecycle.commandDb().opened());
    EXPECT_EQ(setting("xitong", "kuozhanxiang"), "12");
    // The position is the last thing written.
    EXPECT_EQ(leftWhenPopupDestroyed, "<absent>");
    EXPECT_EQ(setting("shezhi", "横坐标"), "-300");
    EXPECT_EQ(setting("shezhi", "纵坐标"), "400");
    // Width and height belong to the resize handler.
    EXPECT_EQ(setting("shezhi", "宽度"), "<absent>");
}

TEST_F(LifecycleTest, ShutDownWithNothingSelectedKeepsTheSavedCategory) {
    preset("xitong", "kuozhanxiang", "5");
    Lifecycle& lifecycle = started();

    lifecycle.shutDown();

    EXPECT_EQ(setting("xitong", "kuozhanxiang"), "5");
}

// A shrunk panel is saved where it was before it shrank; the strip's own
// rectangle is never saved.
TEST_F(LifecycleTest, ShutDownSavesThePositionOnlyOfANormalPanel) {
    const struct {
        const char* name;
        bool minimized;
        bool normalFrame;
        std::optional<Point> beforeShrink;
        const char* left;
        const char* top;
    } cases[] = {
        {"normal", false, true, Point{7, 8}, "300", "400"},
        {"minimized", true, true, std::nullopt, "11", "22"},
        {"shrunk at an edge, never seen expanded", false, false, std::nullopt, "11", "22"},
        {"shrunk at an edge", false, false, Point{1034, 0}, "1034", "0"},
        {"minimized while shrunk", true, false, Point{1034, 0}, "11", "22"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        preset("shezhi", "横坐标", "11");
        preset("shezhi", "纵坐标", "22");
        Lifecycle& lifecycle = started();
        lifecycle.seams.placeBeforeShrink = [&c] { return c.beforeShrink; };
        panel.rect = {300, 400, 2, 560};
        panel.minimized = c.minimized;
        panel.normalFrame = c.normalFrame;

        lifecycle.shutDown();

        EXPECT_EQ(setting("shezhi", "横坐标"), c.left);
        EXPECT_EQ(setting("shezhi", "纵坐标"), c.top);
        panel.minimized = false;
        panel.normalFrame = true;
    }
}

TEST_F(LifecycleTest, ShutDownRunsOnce) {
    Lifecycle& lifecycle = started();
    lifecycle.shutDown();
    lifecycle.shutDown();
    lifecycle.onTrayEvent(TrayEvent::LeftButtonUp);
    EXPECT_EQ(log, (Log{"selectedCategory", "removeKeyboardWatcher", "destroyHintPopup"}));
}

}  // namespace
}  // namespace quorvane::shell
