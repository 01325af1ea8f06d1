// The tree control on screen follows the model lazily, and what the user
// does in it reaches the tree interaction with the control's own quirks
// taken out.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "panel_world.h"

namespace quorvane::testing {
namespace {

// 容器 (1) with 序列 (3) below it; 算法 (2) empty.
class TreeMirrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("容器", "1", "0", "标准容器");
        w.rows.category("算法", "2", "0", "算法说明");
        w.rows.category("序列", "3", "1", "序列说明");
        w.rows.command("push_back", "追加", "3", "在末尾追加");
        w.rows.command("size", "", "1", "元素个数");
        ASSERT_TRUE(w.start());
    }

    tree::TreeModel& model() { return w.panel->commandTree(); }

    PanelWorld w;
};

TEST_F(TreeMirrorTest, ChildrenGoInOnlyWhenTheirParentFirstOpens) {
    const int insertedAtStart = w.tree.inserts;
    EXPECT_EQ(insertedAtStart, 2);
    w.tree.toggle(w.item("容器"));
    EXPECT_EQ(w.tree.outline(), "- 容器\n  + 序列\n    size\n  算法\n");
    w.tree.toggle(w.item("序列"));
    EXPECT_EQ(w.tree.outline(), "- 容器\n  - 序列\n      push_back //追加\n    size\n  算法\n");
    w.tree.toggle(w.item("容器"));
    w.tree.toggle(w.item("容器"));
    EXPECT_EQ(w.tree.inserts, 5) << "opening again inserts nothing twice";
}

TEST_F(TreeMirrorTest, ModelChangesReachTheControlItemByItem) {
    // Under a parent not yet filled: only its button changes.
    model().add(model().findItemByValue(2), "新命令", tree::ItemKind::Command, 0);
    EXPECT_EQ(w.tree.outline(), "+ 容器\n+ 算法\n");
    // Under an open parent: the item appears at its end.
    w.tree.toggle(w.item("容器"));
    model().add(0, "empty", tree::ItemKind::Command, 0);
    EXPECT_EQ(w.tree.outline(), "- 容器\n  + 序列\n    size\n    empty\n+ 算法\n");
    model().setLabel(model().findItemByValue(3), "序列容器");
    model().remove(model().findItemByValue(3));
    EXPECT_EQ(w.tree.outline(), "- 容器\n    size\n    empty\n+ 算法\n");
    // Selecting by program reaches into closed parents.
    model().setSelected(model().count() - 1);
    EXPECT_EQ(w.tree.selectedLabel(), "新命令");
    EXPECT_EQ(w.tree.outline(), "- 容器\n    size\n    empty\n- 算法\n    新命令\n");
}

TEST_F(TreeMirrorTest, RemovingTheSelectedItemLeavesTheModelsSelectionNotTheControls) {
    w.tree.toggle(w.item("容器"));
    w.click("size");
    model().remove(model().selected());
    EXPECT_EQ(model().selected(), -1);
    EXPECT_EQ(w.tree.selected, 0u) << "the neighbour the control chose is taken back";
}

TEST_F(TreeMirrorTest, TheSelectionTheControlMakesOnFocusIsRefused) {
    w.tree.takeFocus();
    EXPECT_EQ(w.tree.selected, 0u);
    EXPECT_EQ(model().selected(), -1);
    w.settle();
    EXPECT_EQ(w.infoBox.text, std::nullopt);
}

TEST_F(TreeMirrorTest, ARightClickSelectsTheItemAndOpensTheMenuOnlyOverTheItem) {
    w.click("容器");
    w.settle();
    w.tree.rightClick(w.item("算法"), /*onItem=*/true, {12, 34});
    w.settle();
    EXPECT_EQ(model().itemName(), "算法");
    EXPECT_EQ(w.panelView.menusAt, (std::vector<Point>{{12, 34}}));
    EXPECT_EQ(w.infoBox.text, "标准容器") << "a right click shows no description";

    w.tree.rightClick(w.item("容器"), /*onItem=*/false, {1, 2});
    EXPECT_EQ(model().itemName(), "容器");
    EXPECT_EQ(w.panelView.menusAt.size(), 1u) << "beside the label: selected, no menu";
    w.tree.rightClick(0, /*onItem=*/false, {1, 2});
    EXPECT_EQ(model().itemName(), "容器") << "empty space does nothing";
}

TEST_F(TreeMirrorTest, AnEditEndsOnceAndTheLabelIsTheOneTheModelKept) {
    w.click("算法");
    ASSERT_TRUE(w.tree.beginEdit(w.item("算法")));
    w.tree.endEdit("排序算法");
    EXPECT_EQ(w.tree.items.at(w.item("排序算法")).label, "排序算法");
    // A second report of the same end, with the box's text, changes nothing.
    w.tree.reportEndAgain(w.item("排序算法"), "别的");
    EXPECT_EQ(model().label(model().findItemByValue(2)), "排序算法");
    EXPECT_NE(w.tree.find("排序算法"), 0u);

    // Too long for the column: the store refuses it and the old label stays on screen.
    ASSERT_TRUE(w.tree.beginEdit(w.item("排序算法")));
    w.tree.endEdit(std::string(51, 'x'));
    EXPECT_NE(w.tree.find("排序算法"), 0u);
}

TEST_F(TreeMirrorTest, CommandLabelsAreNotEditedInPlace) {
    w.tree.toggle(w.item("容器"));
    w.click("size");
    EXPECT_FALSE(w.tree.beginEdit(w.item("size")));
}

}  // namespace
}  // namespace quorvane::testing
