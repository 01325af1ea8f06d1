// The options switched from the panel: the window "系统设置" and the menu
// items "命令提示" and "光标跟踪", each change written to the settings file at once.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/unprivileged.h"
#include "panel_world.h"
#include "settings/settings_window.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
namespace ids = settings::settings_ids;

const int kHintsItem = shell::commandId(MenuCommand::ToggleCommandHints);
const int kCursorItem = shell::commandId(MenuCommand::ToggleCursorTracking);

class OptionsWorld : public PanelWorld {
public:
    // The settings file holds `ini` at start-up.
    explicit OptionsWorld(const std::vector<std::pair<const char*, const char*>>& ini = {}) {
        settings::IniFile file(settingsPath(), codec);
        for (const auto& [key, value] : ini) EXPECT_TRUE(file.write("xitong", key, value));
        EXPECT_TRUE(start());
    }
    settings::Options& options() { return panel->lifecycle().options(); }
    // Opens the window and lets `user` act in it.
    void inSettingsWindow(std::function<void(fakes::FakeForm&)> user) {
        forms.users.push_back(std::move(user));
        menu(MenuCommand::OpenSettings);
    }
    std::string option(const char* key) { return setting("xitong", key); }
};

TEST(SettingsWindow, EachBoxWritesItsKeyAndSetsItsOptionAndASecondClickTakesItBack) {
    const struct {
        const char* name;
        int box;
        const char* key;
        std::function<bool(OptionsWorld&)> option;
    } boxes[] = {
        {"自动添加分号", ids::AutoSemicolonBox, "zdtjfh", [](OptionsWorld& w) { return w.options().autoSemicolon; }},
        {"显示命令提示框", ids::HintsBox, "mlts", [](OptionsWorld& w) { return w.options().hintsEnabled; }},
        {"窗口总在最前", ids::StayOnTopBox, "zzzq", [](OptionsWorld& w) { return w.panelView.topmost; }},
        {"同时添加中文名", ids::ChineseNameBox, "tstjzwm",
         [](OptionsWorld& w) { return w.options().addChineseName; }},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.name);
        OptionsWorld w;
        const bool before = b.option(w);
        std::vector<std::pair<std::string, bool>> afterEachClick;
        w.inSettingsWindow([&](fakes::FakeForm& form) {
            EXPECT_EQ(form.isChecked(b.box), before) << "set from the state at opening";
            for (int click = 0; click < 2; ++click) {
                form.click(b.box);
                afterEachClick.emplace_back(w.option(b.key), b.option(w));
            }
        });
        const std::vector<std::pair<std::string, bool>> expected{{before ? "假" : "真", !before},
                                                                 {before ? "真" : "假", before}};
        EXPECT_EQ(afterEachClick, expected);
    }
}

TEST(SettingsWindow, TheBoxesShowTheStateNotTheFile) {
    OptionsWorld w({{"zdtjfh", "假"}, {"mlts", "真"}, {"zzzq", "真"}, {"tstjzwm", "真"}});
    // The panel left the top since the file was read: the box follows the panel.
    w.panelView.topmost = false;
    w.inSettingsWindow([](fakes::FakeForm& form) {
        EXPECT_FALSE(form.isChecked(ids::AutoSemicolonBox));
        EXPECT_TRUE(form.isChecked(ids::HintsBox));
        EXPECT_FALSE(form.isChecked(ids::StayOnTopBox));
        EXPECT_TRUE(form.isChecked(ids::ChineseNameBox));
    });

    w.panelView.topmost = true;
    w.inSettingsWindow([](fakes::FakeForm& form) { EXPECT_TRUE(form.isChecked(ids::StayOnTopBox)); });
}

TEST(SettingsWindow, OkOnlyClosesTheWindow) {
    OptionsWorld w;
    w.inSettingsWindow([](fakes::FakeForm& form) { form.click(ids::Ok); });
    ASSERT_EQ(w.forms.last.size(), 1u);
    EXPECT_TRUE(w.forms.last[0].closedByProgram);
    EXPECT_FALSE(std::filesystem::exists(w.settingsPath())) << "nothing written";
    const FormLayout& layout = w.forms.opened.at(0);
    EXPECT_EQ(layout.width, 332);
    EXPECT_EQ(layout.height, 205);
    EXPECT_EQ(layout.controls.back().text, "关闭");
    EXPECT_EQ(layout.controls.back().id, kCloseFormId);
    EXPECT_EQ(layout.controls.at(1).text, "说明：此时按“Shift+Enter”为回车");
}

TEST(SettingsWindow, AWriteThatFailsStillSwitchesTheOptionAndSaysNothing) {
    namespace fs = std::filesystem;
    PanelWorld w;
    w.db.Close();
    // Readable for everyone, written by nobody but its owner.
    fs::permissions(w.dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(w.libraryPath(), fs::perms::all);
    {
        fakes::Unprivileged asNobody;
        ASSERT_TRUE(w.start());
        w.forms.users.push_back([](fakes::FakeForm& form) { form.click(ids::ChineseNameBox); });
        w.menu(MenuCommand::OpenSettings);
        EXPECT_TRUE(w.panel->lifecycle().options().addChineseName);
        w.menu(MenuCommand::ToggleCommandHints);
        EXPECT_TRUE(w.panel->lifecycle().options().hintsEnabled);
        EXPECT_TRUE(w.messages.shown.empty());
        w.panel->shutDown();
    }
    EXPECT_FALSE(fs::exists(w.settingsPath()));
}

// Two writers of hintsEnabled: the box sets the option alone, the menu item
// flips its own mark and sets the option from it.
TEST(CommandHintsSwitches, TheBoxLeavesTheMarkAndTheMenuItemSetsTheOptionFromItsMark) {
    OptionsWorld w;
    w.inSettingsWindow([](fakes::FakeForm& form) { form.click(ids::HintsBox); });
    EXPECT_TRUE(w.options().hintsEnabled);
    EXPECT_FALSE(w.panelView.checks[kHintsItem]);
    EXPECT_EQ(w.option("mlts"), "真");

    w.menu(MenuCommand::ToggleCommandHints);
    EXPECT_TRUE(w.panelView.checks[kHintsItem]);
    EXPECT_TRUE(w.options().hintsEnabled);
    EXPECT_EQ(w.option("mlts"), "真");

    w.menu(MenuCommand::ToggleCommandHints);
    EXPECT_FALSE(w.panelView.checks[kHintsItem]);
    EXPECT_FALSE(w.options().hintsEnabled);
    EXPECT_EQ(w.option("mlts"), "假");
}

TEST(CommandHintsSwitches, TheBoxMakesThePopupWhenStartUpCouldNot) {
    PanelWorld w;
    w.hintPopup.refuseLoad = true;
    ASSERT_TRUE(w.start());
    ASSERT_FALSE(w.hintPopup.loaded);
    w.hintPopup.refuseLoad = false;

    // Off does not make it; on does, once.
    w.forms.users.push_back([](fakes::FakeForm& form) {
        form.click(ids::HintsBox);
        form.click(ids::HintsBox);
        form.click(ids::HintsBox);
    });
    w.forms.users.push_back([](fakes::FakeForm& form) {
        form.click(ids::HintsBox);
        form.click(ids::HintsBox);
    });
    w.menu(MenuCommand::OpenSettings);
    w.menu(MenuCommand::OpenSettings);
    EXPECT_TRUE(w.hintPopup.loaded);
    EXPECT_EQ(w.hintPopup.loads, 2) << "start-up's attempt and the first switch-on";
    EXPECT_EQ(w.hintPopup.alpha, 0) << "made hidden";
}

TEST(CursorTrackingSwitch, ChosenTwiceWritesFalseThenTrue) {
    OptionsWorld w;
    ASSERT_TRUE(w.panelView.checks[kCursorItem]) << "on by default";
    w.menu(MenuCommand::ToggleCursorTracking);
    EXPECT_FALSE(w.panelView.checks[kCursorItem]);
    EXPECT_EQ(w.option("gbgz"), "假");
    w.menu(MenuCommand::ToggleCursorTracking);
    EXPECT_TRUE(w.panelView.checks[kCursorItem]);
    EXPECT_EQ(w.option("gbgz"), "真");
}

}  // namespace
}  // namespace quorvane::testing
