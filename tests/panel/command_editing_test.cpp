// Commands from the panel: CommandEditWindow adding and modifying, "删除"
// of a command, and the tree's keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing_helpers.h"
#include "tree/command_edit_window.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
namespace ids = tree::command_window_ids;
using Rows = std::vector<std::string>;
using fakes::FakeForm;

// 窗口 (1) holds MessageBoxA and CreateWindowEx; 文件 (2) holds CreateFile;
// 另一个窗口 is a second category named 窗口 (3).
class CommandEditing : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("窗口", "1", "0", "窗口函数");
        w.rows.category("文件", "2", "0");
        w.rows.category("窗口", "3", "0");
        w.rows.command("MessageBoxA", "消息框", "1", "Shows a box.\r\nIt's modal.");
        w.rows.command("CreateWindowEx", "", "1");
        w.rows.command("CreateFile", "建文件", "2");
        ASSERT_TRUE(w.start());
    }

    void open(MenuCommand command, fakes::FakeFormHost::User user) {
        w.forms.users.push_back(std::move(user));
        w.menu(command);
    }
    tree::TreeModel& model() { return w.panel->commandTree(); }

    PanelWorld w;
};

TEST_F(CommandEditing, TheCategoryListStartsOnTheCategoryOfTheSelection) {
    struct Seen {
        std::vector<std::string> entries;
        std::string shown;
        std::string button;
    };
    std::vector<Seen> seen;
    const auto look = [&seen](FakeForm& f) {
        seen.push_back({f.controls[ids::Category].items, f.text(ids::Category), f.text(ids::Add)});
        f.click(ids::Add);
    };
    open(MenuCommand::AddCommand, look);
    selectItem(w, "CreateFile //建文件");
    open(MenuCommand::AddCommand, look);
    selectItem(w, "窗口");
    open(MenuCommand::AddCommand, look);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].entries, (Rows{"窗口", "文件", "窗口"}));
    EXPECT_EQ(seen[0].shown, "") << "nothing selected in the tree: no category chosen";
    EXPECT_EQ(seen[1].shown, "文件") << "a command's own category";
    EXPECT_EQ(seen[2].shown, "窗口");
    EXPECT_EQ(seen[0].button, "添加");
    EXPECT_EQ(w.forms.opened[0].caption, "命令添加");
    EXPECT_TRUE(w.forms.opened[0].resizable);
    // The first opening had no category to add to.
    EXPECT_EQ(w.messages.shown.at(0).text, "请选择分类");
}

// One opening adds any number of commands: each becomes the last child of
// the chosen category, and the boxes empty while the category stays.
TEST_F(CommandEditing, AddsCommandsOneAfterTheOtherWithoutClosing) {
    selectItem(w, "CreateFile //建文件");
    std::vector<std::string> boxesAfterEach;
    open(MenuCommand::AddCommand, [&](FakeForm& f) {
        f.pick(ids::Category, "窗口");  // the first of the two
        f.type(ids::Name, "ShowWindow");
        f.type(ids::ChineseName, "显示窗口");
        f.type(ids::Description, "Shows it's window.\r\nSecond line");
        f.click(ids::Add);
        boxesAfterEach.push_back(f.text(ids::Name) + f.text(ids::ChineseName) + f.text(ids::Description) + "|" +
                                 f.text(ids::Category));
        f.type(ids::Name, "O'Neil");
        f.click(ids::Add);
        boxesAfterEach.push_back(f.text(ids::Name) + "|" + f.text(ids::Category));
        EXPECT_FALSE(f.closed);
    });
    EXPECT_EQ(boxesAfterEach, (Rows{"|窗口", "|窗口"}));
    EXPECT_EQ(modelOutline(w), "窗口\n  MessageBoxA //消息框\n  CreateWindowEx\n  ShowWindow //显示窗口\n  O'Neil\n"
                               "文件\n  CreateFile //建文件\n窗口\n");
    EXPECT_EQ(commandRows(w).at(3), "ShowWindow|显示窗口|1|Shows it^!s window.\r\nSecond line");
    EXPECT_EQ(commandRows(w).at(4), "O'Neil||1|");
    EXPECT_EQ(model().rowId(4), 5) << "the new item carries its row's ID";
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CommandEditing, RefusesWhatCannotBeAdded) {
    const struct {
        const char* category;
        std::string name;
        const char* message;
    } cases[] = {
        {"", "NewOne", "请选择分类"},
        {"文件", "", "请输入命令名"},
        {"文件", "MessageBoxA", "此命令已经添加过"},  // in another category too
        {"文件", "messageboxa", "此命令已经添加过"},  // compared without case
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.messages.shown.clear();
        std::string nameAfter;
        open(MenuCommand::AddCommand, [&](FakeForm& f) {
            f.pick(ids::Category, c.category);
            f.type(ids::Name, c.name);
            f.type(ids::Description, "kept");
            f.click(ids::Add);
            nameAfter = f.text(ids::Name) + "|" + f.text(ids::Description);
        });
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].text, c.message);
        EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(nameAfter, c.name + "|kept") << "the window keeps what was typed";
        EXPECT_EQ(commandRows(w).size(), 3u);
    }
}

TEST_F(CommandEditing, ModifyingFillsTheWindowFromTheRowAndWritesItBack) {
    selectItem(w, "MessageBoxA //消息框");
    std::vector<std::string> shown;
    open(MenuCommand::ModifyCommand, [&](FakeForm& f) {
        shown = {f.text(ids::Add), f.text(ids::Name), f.text(ids::ChineseName), f.text(ids::Category),
                 f.text(ids::Description)};
        f.type(ids::Description, "Only the description, 'quoted'.");
        f.click(ids::Add);
    });
    EXPECT_EQ(shown, (Rows{"修改", "MessageBoxA", "消息框", "窗口", "Shows a box.\r\nIt's modal."}));
    EXPECT_TRUE(w.forms.last.back().closedByProgram) << "a modification closes the window";
    EXPECT_EQ(commandRows(w).at(0), "MessageBoxA|消息框|1|Only the description, ^!quoted^!.");
    EXPECT_EQ(model().label(1), "MessageBoxA //消息框");

    // An emptied Chinese name leaves the bare name on the label; another
    // command's name is accepted and makes a second row of that name.
    open(MenuCommand::ModifyCommand, [](FakeForm& f) {
        f.type(ids::ChineseName, "");
        f.type(ids::Name, "CreateWindowEx");
        f.click(ids::Add);
    });
    EXPECT_EQ(model().label(1), "CreateWindowEx");
    EXPECT_EQ(commandRows(w).at(0), "CreateWindowEx||1|Only the description, ^!quoted^!.");
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CommandEditing, AnotherCategoryMovesTheItemToItsEnd) {
    selectItem(w, "CreateWindowEx");
    open(MenuCommand::ModifyCommand, [](FakeForm& f) {
        f.pick(ids::Category, "文件");
        f.click(ids::Add);
    });
    EXPECT_EQ(modelOutline(w), "窗口\n  MessageBoxA //消息框\n文件\n  CreateFile //建文件\n  CreateWindowEx\n窗口\n");
    EXPECT_EQ(commandRows(w).at(1), "CreateWindowEx||2|");
    EXPECT_TRUE(model().isCommand(model().selected()));
    EXPECT_EQ(model().label(model().selected()), "CreateWindowEx") << "the moved item stays selected";
    EXPECT_EQ(model().rowId(model().selected()), 2);
}

// The category is told by its number, not its name: moving between two
// categories of one name moves the item too.
TEST_F(CommandEditing, MovingBetweenTwoCategoriesOfOneNameMovesTheItem) {
    selectItem(w, "CreateWindowEx");
    open(MenuCommand::ModifyCommand, [](FakeForm& f) {
        f.selectItem(ids::Category, 2);  // the second 窗口
        f.click(ids::Add);
    });
    EXPECT_EQ(modelOutline(w), "窗口\n  MessageBoxA //消息框\n文件\n  CreateFile //建文件\n窗口\n  CreateWindowEx\n");
    EXPECT_EQ(commandRows(w).at(1), "CreateWindowEx||3|");
}

TEST_F(CommandEditing, ModifyWithoutACommandSelected) {
    open(MenuCommand::ModifyCommand, [](FakeForm&) {});
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "请选择要修改的命令");
    selectItem(w, "文件");
    w.menu(MenuCommand::ModifyCommand);
    EXPECT_EQ(w.messages.shown.size(), 1u) << "a category selected: nothing at all";
    EXPECT_TRUE(w.forms.opened.empty());
}

// A command whose row is gone has nothing to modify; above all, the row of
// the command modified before must not be written in its place.
TEST_F(CommandEditing, ACommandWithoutItsRowIsNotModifiedAndNoOtherRowIs) {
    selectItem(w, "CreateFile //建文件");
    open(MenuCommand::ModifyCommand, [](FakeForm&) {});  // opened and closed unchanged
    selectItem(w, "CreateWindowEx");
    ASSERT_TRUE(w.db.DeleteWhere("命令库", "命令名='CreateWindowEx'"));
    const Rows before = commandRows(w);
    open(MenuCommand::ModifyCommand, [](FakeForm& f) {
        f.type(ids::Name, "Overwritten");
        f.click(ids::Add);
    });
    EXPECT_EQ(w.forms.opened.size(), 1u) << "the window did not open";
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "命令库中没有这个命令的记录，无法修改。");
    EXPECT_EQ(commandRows(w), before);
    w.forms.users.clear();
}

// "修改" may have made two rows of one name in one category: the item
// selected takes its own row, not every row of its name.
TEST(CommandDeletion, AsksNothingAndTakesExactlyTheRowOfTheItem) {
    PanelWorld w;
    w.rows.category("窗口", "1", "0");
    w.rows.category("文件", "2", "0");
    w.rows.command("CreateWindowEx", "", "1", "first");
    w.rows.command("CreateWindowEx", "", "1", "second");
    w.rows.command("CreateWindowEx", "", "2", "elsewhere");
    ASSERT_TRUE(w.start());
    w.panel->commandTree().setSelected(2);  // the second row's item
    w.menu(MenuCommand::DeleteItem);
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(commandRows(w), (Rows{"CreateWindowEx||1|first", "CreateWindowEx||2|elsewhere"}));
    EXPECT_EQ(modelOutline(w), "窗口\n  CreateWindowEx\n文件\n  CreateWindowEx\n");
    EXPECT_EQ(w.panel->commandTree().rowId(1), 1);
}

TEST_F(CommandEditing, DeletingWithNothingSelectedSaysSo) {
    w.menu(MenuCommand::DeleteItem);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "请选择要删除的命令");
    EXPECT_EQ(commandRows(w).size(), 3u);
}

// The description box fills what the window gives it beyond the other
// controls; the buttons keep 50 pixels from the bottom.
TEST(CommandWindowLayout, TheDescriptionAndTheButtonsFollowTheClientArea) {
    const struct {
        int width, height;
        Rect description;
        int buttonsTop;
    } cases[] = {
        {448, 304, {61, 89, 378, 154}, 254},
        {800, 600, {61, 89, 730, 450}, 550},
        {40, 100, {61, 89, 0, 0}, 50},
    };
    for (const auto& c : cases) {
        const tree::CommandFormPlaces places = tree::commandFormPlaces(c.width, c.height);
        EXPECT_EQ(places.description, c.description) << c.width;
        EXPECT_EQ(places.addButton, (Rect{130, c.buttonsTop, 80, 32})) << c.width;
        EXPECT_EQ(places.closeButton, (Rect{252, c.buttonsTop, 80, 32})) << c.width;
    }
}

// F2, Delete and Enter act on the selection while the tree has the focus,
// never while a label is edited; the arrow keys show descriptions.
class TreeKeys : public CommandEditing {};

TEST_F(TreeKeys, F2RenamesTheSelectedCategoryOnly) {
    w.tree.toggle(w.item("窗口"));
    w.click("CreateWindowEx");
    w.tree.pressKey(TreeKey::F2);
    EXPECT_EQ(w.tree.editing, 0u) << "a command is not renamed";
    w.click("文件");
    w.tree.pressKey(TreeKey::F2);
    EXPECT_EQ(w.tree.editing, w.item("文件"));
    w.tree.endEdit("文档");
    EXPECT_EQ(categoryRows(w).at(1), "文档|2|0|");
}

TEST_F(TreeKeys, DeleteAsksAsTheMenuDoes) {
    w.tree.pressKey(TreeKey::Delete);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "请选择要删除的命令");

    w.messages.nextAnswer = MessageAnswer::No;
    w.click("文件");
    w.tree.pressKey(TreeKey::Delete);
    ASSERT_EQ(w.messages.shown.size(), 2u);
    EXPECT_EQ(w.messages.shown[1].title, "询问：");

    w.tree.toggle(w.item("文件"));
    w.click("CreateFile //建文件");
    w.tree.pressKey(TreeKey::Delete);
    EXPECT_EQ(w.messages.shown.size(), 2u) << "a command goes without a question";
    EXPECT_EQ(commandRows(w).size(), 2u);
}

TEST_F(TreeKeys, EnterDeliversTheSelectedCommandAsADoubleClickDoes) {
    w.clickInto(w.classicEditor);
    w.tree.toggle(w.item("文件"));
    w.tree.arrowTo(w.item("CreateFile //建文件"));
    w.tree.pressKey(TreeKey::Enter);
    w.settle();
    std::string typed;
    for (const auto& posted : w.desktop.posted) typed += static_cast<char>(posted.byte);
    EXPECT_EQ(typed, "CreateFile");
    // On a category, Enter delivers nothing.
    w.tree.arrowTo(w.item("文件"));
    w.tree.pressKey(TreeKey::Enter);
    w.settle();
    EXPECT_EQ(w.desktop.posted.size(), typed.size());
}

TEST_F(TreeKeys, NoKeyActsWhileALabelIsEdited) {
    w.messages.nextAnswer = MessageAnswer::No;
    w.clickInto(w.classicEditor);
    w.click("文件");
    w.tree.pressKey(TreeKey::F2);
    ASSERT_NE(w.tree.editing, 0u);
    for (const TreeKey key : {TreeKey::Delete, TreeKey::Enter, TreeKey::F2}) w.tree.pressKey(key);
    w.settle();
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_TRUE(w.desktop.posted.empty());
    w.tree.endEdit(std::nullopt);
    // Once the edit is over the keys act again.
    w.tree.pressKey(TreeKey::Delete);
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

TEST_F(TreeKeys, AnArrowKeySelectionShowsItsDescription) {
    w.tree.arrowTo(w.item("窗口"));
    w.settle();
    EXPECT_EQ(w.infoBox.text, "窗口函数");
}

}  // namespace
}  // namespace quorvane::testing
