// Categories from the panel: where "添加分类" and "添加子类" put a new one,
// its number, CategoryWindow's two modes, descriptions, renaming, and the
// deletion of a category with everything below it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing_helpers.h"
#include "tree/category_window.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;
namespace ids = tree::category_window_ids;
using Rows = std::vector<std::string>;

// The user types a name (and a description) and confirms.
fakes::FakeFormHost::User confirm(std::string name, std::string description = "") {
    return [name, description](fakes::FakeForm& f) {
        f.type(ids::Name, name);
        f.type(ids::Description, description);
        f.click(ids::Ok);
    };
}

// In description mode: only the description box takes input.
fakes::FakeFormHost::User describe(std::string description) {
    return [description](fakes::FakeForm& f) {
        f.type(ids::Description, description);
        f.click(ids::Ok);
    };
}

// 容器 (1) holds 序列 (2), which holds push_back; 算法 (3) is empty.
void seedContainers(PanelWorld& w) {
    w.rows.category("容器", "1", "0");
    w.rows.category("序列", "2", "1");
    w.rows.category("算法", "3", "0");
    w.rows.command("push_back", "", "2");
}

TEST(CategoryAdding, TheParentFollowsTheSelectionAndTheMenuItem) {
    const struct {
        const char* selected;  // "" for nothing
        MenuCommand command;
        const char* parent;  // 父类 stored
        const char* outline;
    } cases[] = {
        {"", MenuCommand::AddCategory, "0", "容器\n  序列\n    push_back\n算法\n新\n"},
        {"", MenuCommand::AddSubcategory, "0", "容器\n  序列\n    push_back\n算法\n新\n"},
        {"容器", MenuCommand::AddCategory, "0", "容器\n  序列\n    push_back\n算法\n新\n"},
        {"容器", MenuCommand::AddSubcategory, "1", "容器\n  序列\n    push_back\n  新\n算法\n"},
        {"序列", MenuCommand::AddCategory, "1", "容器\n  序列\n    push_back\n  新\n算法\n"},
        {"序列", MenuCommand::AddSubcategory, "2", "容器\n  序列\n    push_back\n    新\n算法\n"},
        // Beside a command is inside the command's category, after its commands.
        {"push_back", MenuCommand::AddCategory, "2", "容器\n  序列\n    push_back\n    新\n算法\n"},
        {"push_back", MenuCommand::AddSubcategory, "2", "容器\n  序列\n    push_back\n    新\n算法\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.selected) + " " + std::to_string(shell::commandId(c.command)));
        PanelWorld w;
        seedContainers(w);
        ASSERT_TRUE(w.start());
        if (*c.selected != '\0') selectItem(w, c.selected);
        w.forms.users.push_back(confirm("新", "说明"));
        w.menu(c.command);

        EXPECT_EQ(categoryRows(w).back(), std::string("新|4|") + c.parent + "|说明");
        EXPECT_EQ(modelOutline(w), c.outline);
        const int added = w.panel->commandTree().findItemByValue(4);
        EXPECT_EQ(w.panel->commandTree().rowId(added), 4) << "the new item carries its row's ID";
        EXPECT_TRUE(w.messages.shown.empty());
    }
}

TEST(CategoryAdding, TheNewNumberIsOneMoreThanTheLargestInTheTree) {
    const struct {
        std::vector<const char*> numbers;
        const char* next;
    } cases[] = {
        {{}, "1"},
        {{"1", "2", "7"}, "8"},
        {{"7", "2", "1"}, "8"},
    };
    for (const auto& c : cases) {
        PanelWorld w;
        for (const char* number : c.numbers) w.rows.category(std::string("类") + number, number, "0");
        ASSERT_TRUE(w.start());
        w.forms.users.push_back(confirm("新"));
        w.menu(MenuCommand::AddCategory);
        EXPECT_EQ(categoryRows(w).back(), std::string("新|") + c.next + "|0|") << c.next;
    }
}

TEST(CategoryAdding, ACancelOrAnEmptyNameAddsNothing) {
    PanelWorld w;
    seedContainers(w);
    ASSERT_TRUE(w.start());
    const Rows before = categoryRows(w);
    w.forms.users.push_back([](fakes::FakeForm& f) { f.type(ids::Name, "typed, then cancelled"); });
    w.menu(MenuCommand::AddCategory);
    w.forms.users.push_back(confirm("", "a description without a name"));
    w.menu(MenuCommand::AddSubcategory);
    EXPECT_EQ(categoryRows(w), before);
    EXPECT_EQ(w.panel->commandTree().count(), 4);
    EXPECT_TRUE(w.messages.shown.empty());
}

// Each opening starts from what its caller put in the buffers: an addition
// after a description change is an addition again, with empty boxes.
TEST(CategoryWindowModes, TheBuffersChooseTheModeAtEachOpening) {
    PanelWorld w;
    w.rows.category("容器", "1", "0", "it's 容器");
    ASSERT_TRUE(w.start());
    struct Seen {
        std::string caption, name, description;
        bool nameEnabled;
    };
    std::vector<Seen> seen;
    const auto look = [&seen](fakes::FakeForm& f) {
        seen.push_back({f.caption, f.text(ids::Name), f.text(ids::Description), f.controls[ids::Name].enabled});
    };

    w.forms.users.push_back(look);
    w.menu(MenuCommand::AddCategory);
    selectItem(w, "容器");
    w.forms.users.push_back(look);
    w.menu(MenuCommand::EditCategoryDescription);
    w.forms.users.push_back(look);
    w.menu(MenuCommand::AddSubcategory);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].caption, "添加分类");
    EXPECT_EQ(seen[0].name + seen[0].description, "");
    EXPECT_EQ(seen[1].caption, "修改分类说明");
    EXPECT_EQ(seen[1].name, "容器");
    EXPECT_EQ(seen[1].description, "it's 容器") << "shown with its apostrophe";
    EXPECT_FALSE(seen[1].nameEnabled) << "a name typed there would not be stored";
    EXPECT_EQ(seen[2].caption, "添加分类");
    EXPECT_EQ(seen[2].name + seen[2].description, "");
    EXPECT_TRUE(seen[2].nameEnabled);
    EXPECT_EQ(categoryRows(w), (Rows{"容器|1|0|it^!s 容器"})) << "nothing was confirmed";
}

TEST(CategoryDescription, IsStoredEscapedAndShownWithItsApostrophes) {
    PanelWorld w;
    w.rows.category("容器", "1", "0", "旧");
    w.rows.command("size", "", "1");
    ASSERT_TRUE(w.start());
    w.tree.toggle(w.item("容器"));
    w.click("size");  // the command's category is the one described
    w.forms.users.push_back(describe("它's\r\n两行"));
    w.menu(MenuCommand::EditCategoryDescription);
    EXPECT_EQ(categoryRows(w), (Rows{"容器|1|0|它^!s\r\n两行"}));
    w.click("容器");
    w.settle();
    EXPECT_EQ(w.infoBox.text, "它's\r\n两行");
}

TEST(CategoryDescription, AnEmptiedBoxLeavesTheStoredDescriptionAsItWas) {
    PanelWorld w;
    w.rows.category("容器", "1", "0", "旧");
    ASSERT_TRUE(w.start());
    selectItem(w, "容器");
    w.forms.users.push_back(describe(""));
    w.menu(MenuCommand::EditCategoryDescription);
    EXPECT_EQ(categoryRows(w), (Rows{"容器|1|0|旧"}));
    EXPECT_TRUE(w.messages.shown.empty());
}

// Two categories of one name: the one selected is changed, not every one of that name.
TEST(CategoryDescription, OnlyTheSelectedCategoryOfANameChanges) {
    PanelWorld w;
    w.rows.category("同名", "1", "0", "第一");
    w.rows.category("同名", "2", "0", "第二");
    ASSERT_TRUE(w.start());
    w.panel->commandTree().setSelected(w.panel->commandTree().findItemByValue(2));
    w.forms.users.push_back(describe("改过"));
    w.menu(MenuCommand::EditCategoryDescription);
    EXPECT_EQ(categoryRows(w), (Rows{"同名|1|0|第一", "同名|2|0|改过"}));
}

// Names are stored and matched exactly, apostrophes included; a name or a
// description longer than its column is refused and changes nothing.
TEST(CategoryValues, ApostrophesAreKeptAndOverlongValuesRefused) {
    const std::string fifty(50, 'n');
    const struct {
        std::string name;
        std::string description;
        bool added;
    } cases[] = {
        {"it's", "", true},
        {"x' or '1'='1", "", true},
        {fifty, "", true},
        {fifty + "n", "", false},
        {"名", std::string(255, 'd'), true},
        // Stored escaped: each apostrophe takes two of the 255 characters.
        {"名", std::string(128, '\''), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        PanelWorld w;
        w.rows.category("容器", "1", "0");
        ASSERT_TRUE(w.start());
        w.forms.users.push_back(confirm(c.name, c.description));
        w.menu(MenuCommand::AddCategory);
        if (c.added) {
            EXPECT_EQ(categoryRows(w).back(), c.name + "|2|0|" + store::escapeDescription(c.description));
            EXPECT_EQ(w.panel->commandTree().label(1), c.name);
            EXPECT_TRUE(w.messages.shown.empty());
        } else {
            EXPECT_EQ(categoryRows(w), (Rows{"容器|1|0|"}));
            EXPECT_EQ(w.panel->commandTree().count(), 1);
            ASSERT_EQ(w.messages.shown.size(), 1u);
            EXPECT_EQ(w.messages.shown[0].text, "添加失败！");
        }
    }
}

TEST(CategoryDescription, AnOverlongDescriptionIsRefusedWithAWarning) {
    PanelWorld w;
    w.rows.category("容器", "1", "0", "旧");
    ASSERT_TRUE(w.start());
    selectItem(w, "容器");
    w.forms.users.push_back(describe(std::string(256, 'd')));
    w.menu(MenuCommand::EditCategoryDescription);
    EXPECT_EQ(categoryRows(w), (Rows{"容器|1|0|旧"}));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "修改失败！");
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Warning);
}

TEST(CategoryRenaming, OpensTheLabelOfTheCurrentCategoryForEditing) {
    PanelWorld w;
    seedContainers(w);
    ASSERT_TRUE(w.start());
    w.menu(MenuCommand::RenameCategory);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "请选择要重命名的分类");
    EXPECT_EQ(w.tree.editing, 0u);

    // With a command selected, its category is the one renamed.
    selectItem(w, "push_back");
    w.menu(MenuCommand::RenameCategory);
    EXPECT_EQ(w.tree.editing, w.item("序列"));
    EXPECT_EQ(w.tree.selectedLabel(), "序列");
    w.tree.endEdit("it's 序列");
    EXPECT_EQ(categoryRows(w)[1], "it's 序列|2|1|");
}

// A (1) holds B (2), which holds C (3); each holds a command. D (4) holds a
// command of the same name as B's.
class CategoryDeletion : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("A", "1", "0");
        w.rows.category("B", "2", "1");
        w.rows.category("C", "3", "2");
        w.rows.category("D", "4", "0");
        w.rows.command("a1", "", "1");
        w.rows.command("b1", "", "2");
        w.rows.command("c1", "", "3");
        w.rows.command("b1", "同名", "4");
        ASSERT_TRUE(w.start());
        // Everything on screen, so the control sees each item go.
        for (const char* category : {"A", "B", "C", "D"}) w.tree.toggle(w.item(category));
        selectItem(w, "A");
    }

    PanelWorld w;
};

TEST_F(CategoryDeletion, AsksFirstAndNoChangesNothing) {
    w.messages.nextAnswer = MessageAnswer::No;
    const std::string outline = modelOutline(w);
    w.menu(MenuCommand::DeleteItem);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    const auto& question = w.messages.shown[0];
    EXPECT_EQ(question.text, "确定删除分类“A”吗?\r\n删除后其子类及其命令项也将被删除。");
    EXPECT_EQ(question.title, "询问：");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(w.tree.removed.empty());
    EXPECT_EQ(modelOutline(w), outline);
    EXPECT_EQ(categoryRows(w).size(), 4u);
}

// Highest index first: every command before its category, every
// subcategory before its parent, each item only once its row is gone; and
// only the rows the subtree shows.
TEST_F(CategoryDeletion, GoesFromTheLastItemOfTheSubtreeUpAndSparesSameNamedCommandsElsewhere) {
    w.menu(MenuCommand::DeleteItem);
    EXPECT_EQ(w.tree.removed, (Rows{"a1", "b1", "c1", "C", "B", "A"}));
    EXPECT_EQ(modelOutline(w), "D\n  b1 //同名\n");
    EXPECT_EQ(categoryRows(w), (Rows{"D|4|0|"}));
    EXPECT_EQ(commandRows(w), (Rows{"b1|同名|4|"}));
    EXPECT_EQ(w.messages.shown.size(), 1u) << "the question only";
}

// A row that cannot be deleted keeps its item and the categories above it,
// so nothing is left in the library that the tree no longer reaches.
TEST_F(CategoryDeletion, ARowThatCannotBeDeletedKeepsThePathToItAndIsReported) {
    ASSERT_TRUE(w.control.execute("create trigger 留下 before delete on 命令库 when old.命令名 = 'c1' "
                                  "begin select raise(abort, 'kept'); end"));
    w.menu(MenuCommand::DeleteItem);
    EXPECT_EQ(w.tree.removed, (Rows{"a1", "b1"}));
    EXPECT_EQ(modelOutline(w), "A\n  B\n    C\n      c1\nD\n  b1 //同名\n");
    EXPECT_EQ(categoryRows(w).size(), 4u);
    ASSERT_EQ(w.messages.shown.size(), 2u);
    EXPECT_EQ(w.messages.shown[1].text, "删除失败");
}

}  // namespace
}  // namespace quorvane::testing
