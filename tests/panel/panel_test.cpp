// The whole panel: its start-up and shut-down order, and what each menu
// command, timer tick and panel event reaches.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fakes/unprivileged.h"
#include "panel_world.h"
#include "shell/description_window.h"
#include "shell/lifecycle.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
using shell::PanelTimer;

int periodOf(PanelWorld& w, PanelTimer which) {
    return w.timers[static_cast<std::size_t>(which)]->period();
}

void seedTwoCategories(PanelWorld& w) {
    w.rows.category("容器", "1", "0", "标准容器");
    w.rows.category("算法", "2", "0");
    w.rows.command("push_back", "追加", "1", "在末尾追加");
}

TEST(PanelStartUp, ShowsTheTreeThenStartsTheHookAndTimersThenShowsThePanel) {
    PanelWorld w;
    seedTwoCategories(w);
    ASSERT_TRUE(w.start());

    EXPECT_EQ(w.tree.outline(), "+ 容器\n  算法\n") << "only the top level goes in at first";
    EXPECT_TRUE(w.mouseHook.installed);
    EXPECT_EQ(periodOf(w, PanelTimer::Tracking), 30);
    EXPECT_EQ(periodOf(w, PanelTimer::Shrink), 50);
    EXPECT_EQ(periodOf(w, PanelTimer::Send), 0);
    EXPECT_EQ(periodOf(w, PanelTimer::ClickCheck), 0);
    EXPECT_TRUE(w.panelView.visible);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(PanelStartUp, ALibraryThatCannotBeOpenedEndsTheProgramWithNothingRunning) {
    PanelWorld w(PanelWorld::Library::Missing);
    ASSERT_TRUE(store::createLibrary(w.libraryPath(), "another password"));

    EXPECT_FALSE(w.start());

    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, shell::kOpenLibraryFailedText);
    EXPECT_FALSE(w.mouseHook.installed);
    for (const shell::TimerDesign& design : shell::kPanelTimers) EXPECT_EQ(periodOf(w, design.timer), 0);
    EXPECT_FALSE(w.panelView.visible);
    EXPECT_TRUE(w.tree.items.empty());

    // Whatever still reaches the panel does nothing, shut-down included.
    w.menu(MenuCommand::UsageNote);
    w.panel->onTimer(PanelTimer::Tracking);
    w.panel->shutDown();
    EXPECT_EQ(w.messages.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(w.settingsPath()));
}

TEST(PanelStartUp, AMissingLibraryIsCreatedAndTheTreeIsEmpty) {
    PanelWorld w(PanelWorld::Library::Missing);
    ASSERT_TRUE(w.start());
    EXPECT_TRUE(std::filesystem::exists(w.libraryPath()));
    EXPECT_TRUE(w.tree.items.empty());
    EXPECT_TRUE(w.panelView.visible);
}

TEST(PanelStartUp, ALibraryThatCannotBeWrittenIsToldInTheInfoBox) {
    PanelWorld w;
    w.db.Close();
    namespace fs = std::filesystem;
    fs::permissions(w.dir.path(), fs::perms::all);
    fs::permissions(w.libraryPath(), fs::perms::owner_read | fs::perms::others_read);
    {
        fakes::Unprivileged asNobody;
        ASSERT_TRUE(w.start());
        w.panel->shutDown();
    }
    EXPECT_EQ(w.infoBox.text, shell::kReadOnlyLibraryText + w.libraryPath().string());
}

TEST(PanelShutDown, StopsTheTimersAndTheHookAndSavesTheSelectedCategoryOnce) {
    PanelWorld w;
    seedTwoCategories(w);
    ASSERT_TRUE(w.start());
    w.click("算法");

    w.panel->shutDown();
    EXPECT_FALSE(w.mouseHook.installed);
    for (const shell::TimerDesign& design : shell::kPanelTimers) EXPECT_EQ(periodOf(w, design.timer), 0);
    EXPECT_EQ(w.setting("xitong", "kuozhanxiang"), "2");

    // A second shut-down (WM_ENDSESSION, then WM_DESTROY) writes nothing more.
    ASSERT_TRUE(settings::IniFile(w.settingsPath(), w.codec).write("xitong", "kuozhanxiang", "9"));
    w.panel->shutDown();
    EXPECT_EQ(w.setting("xitong", "kuozhanxiang"), "9");
}

TEST(PanelEvents, AResizeLaysTheControlsOutAgain) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.panel->onClientResized(300, 700);
    EXPECT_EQ(w.panelView.places, shell::layoutForClientSize(shell::kDesignedPlaces, 300, 700));
}

TEST(PanelEvents, ThePressTheHookSawChoosesTheEditorThatReceivesText) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.clickInto(w.hostedEditor);
    w.menu(MenuCommand::ConditionIf);
    w.settle();
    EXPECT_EQ(w.desktop.foregroundCalls.at(0).window, w.hostedEditor);
    EXPECT_THAT(w.clipboard.pastes, ::testing::ElementsAre("if()\r\n{\r\n\t\r\n}\r\n"));
}

// Every item of every menu either does what it says, or is listed here as
// not built yet (and then does nothing at all).
TEST(PanelMenus, EveryMenuCommandReachesItsFeature) {
    const std::set<MenuCommand> notBuiltYet = {};
    // What the user sees of each built command, in the world after it ran.
    const auto pasted = [](const char* text) {
        return [text](PanelWorld& w) { return w.clipboard.pastes == std::vector<std::string>{text}; };
    };
    const auto opened = [](const char* caption) {
        return [caption](PanelWorld& w) { return w.forms.opened.size() == 1 && w.forms.opened[0].caption == caption; };
    };
    const auto told = [](const char* text) {
        return [text](PanelWorld& w) { return w.messages.shown.size() == 1 && w.messages.shown[0].text == text; };
    };
    const auto askedForFile = [](const char* title, bool save) {
        return [title, save](PanelWorld& w) {
            return w.fileDialogs.titles == std::vector<std::string>{title} &&
                   w.fileDialogs.suggestedNames.size() == (save ? 1u : 0u);
        };
    };
    const std::map<MenuCommand, std::function<bool(PanelWorld&)>> effects = {
        {MenuCommand::AddCommand, opened("命令添加")},
        {MenuCommand::ModifyCommand, told("请选择要修改的命令")},
        {MenuCommand::DeleteItem, told("请选择要删除的命令")},
        {MenuCommand::AddCategory, opened("添加分类")},
        {MenuCommand::AddSubcategory, opened("添加分类")},
        // With nothing selected there is no category to describe, and nothing is said.
        {MenuCommand::EditCategoryDescription,
         [](PanelWorld& w) { return w.forms.opened.empty() && w.messages.shown.empty(); }},
        {MenuCommand::RenameCategory, told("请选择要重命名的分类")},
        {MenuCommand::ExportLibrary, askedForFile("导出命令库", true)},
        {MenuCommand::ImportLibrary, askedForFile("导入命令库", false)},
        {MenuCommand::FindCommand, [](PanelWorld& w) { return w.messages.prompts.size() == 1; }},
        {MenuCommand::InsertFunction, opened("插入子程序")},
        {MenuCommand::InsertVariable, opened("插入变量")},
        {MenuCommand::InsertClass, opened("插入类")},
        {MenuCommand::InsertStruct, opened("插入数据类型")},
        {MenuCommand::LoopWhile, pasted("while()\r\n{\r\n\t\r\n}\r\n")},
        {MenuCommand::LoopFor, pasted("for(int i=0;i<;i++)\r\n{\r\n\t\r\n}\r\n")},
        {MenuCommand::LoopDoWhile, pasted("do()\r\n{\r\n\t\r\n}while();\r\n")},
        {MenuCommand::LoopForEach, pasted("for each()\r\n{\r\n\t\r\n}\r\n")},
        {MenuCommand::ConditionIf, pasted("if()\r\n{\r\n\t\r\n}\r\n")},
        {MenuCommand::ConditionIfElse, pasted("if()\r\n{\r\n\t\r\n}\r\nelse\r\n{\r\n\t\r\n}\r\n")},
        {MenuCommand::ConditionIfElseIf,
         pasted("if()\r\n{\r\n\t\r\n}\r\nelse if()\r\n{\r\n\t\t\r\n}\r\nelse\r\n{\r\n\t\t\r\n}\r\n")},
        {MenuCommand::ConditionSwitch, pasted("switch()\r\n{\r\ncase :\r\n\t\r\n\tbreak\r\ncase :\r\n\t\r\n\tbreak\r\n"
                                              "case :\r\n\t\r\n\tbreak\r\ndefault:\r\n\t\r\n}\r\n")},
        {MenuCommand::UsageNote,
         [](PanelWorld& w) { return w.messages.shown.size() == 1 && w.messages.shown[0].text == shell::kUsageNoteText; }},
        {MenuCommand::CopySelection, [](PanelWorld& w) { return w.infoBox.calls == std::vector<std::string>{"copy"}; }},
        {MenuCommand::SelectAllCopy,
         [](PanelWorld& w) { return w.infoBox.calls == std::vector<std::string>{"selectAll", "copy"}; }},
        {MenuCommand::ShowInNewWindow, [](PanelWorld& w) { return w.descriptionWindow.shown; }},
        {MenuCommand::About, opened("关于")},
        {MenuCommand::OpenSettings, opened("系统设置")},
        {MenuCommand::AddCommandHint, opened("")},
        {MenuCommand::ImportCommandHints,
         [](PanelWorld& w) { return w.fileDialogs.titles == std::vector<std::string>{"导入命令提示"}; }},
        {MenuCommand::ToggleCommandHints,
         [](PanelWorld& w) {
             return w.panelView.checks[shell::commandId(MenuCommand::ToggleCommandHints)] &&
                    w.setting("xitong", "mlts") == "真";
         }},
        {MenuCommand::ToggleCursorTracking,
         [](PanelWorld& w) {
             return !w.panelView.checks[shell::commandId(MenuCommand::ToggleCursorTracking)] &&
                    w.setting("xitong", "gbgz") == "假";
         }},
        {MenuCommand::TrayShow,
         [](PanelWorld& w) { return w.panelView.visible && w.panelView.broughtToFront == 1; }},
        {MenuCommand::TrayExit, [](PanelWorld& w) { return w.panelView.closeRequests == 1; }},
    };

    std::vector<MenuCommand> all;
    const std::function<void(const std::vector<shell::MenuEntry>&)> collect = [&](const auto& entries) {
        for (const shell::MenuEntry& entry : entries) {
            if (entry.kind == shell::MenuEntry::Kind::Command) all.push_back(entry.command);
            collect(entry.submenu);
        }
    };
    for (const shell::Menu& menu : shell::menuBar()) collect(menu.entries);
    collect(shell::infoBoxMenu().entries);
    collect(shell::trayMenu().entries);

    for (const MenuCommand command : all) {
        SCOPED_TRACE(shell::commandId(command));
        PanelWorld w;
        ASSERT_TRUE(w.start());
        w.clickInto(w.classicEditor);
        w.menu(command);
        w.settle();
        const auto effect = effects.find(command);
        if (notBuiltYet.count(command) != 0) {
            EXPECT_FALSE(w.panel->handles(command));
            EXPECT_EQ(effect, effects.end()) << "built: take it off the list";
            EXPECT_TRUE(w.messages.shown.empty() && w.clipboard.calls.empty() && w.forms.opened.empty());
            continue;
        }
        EXPECT_TRUE(w.panel->handles(command));
        ASSERT_NE(effect, effects.end()) << "a built command needs its effect in the table";
        EXPECT_TRUE(effect->second(w));
    }
}

}  // namespace
}  // namespace quorvane::testing
