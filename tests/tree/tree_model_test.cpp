#include "tree/tree_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fakes/recording_tree_view.h"

namespace quorvane::tree {
namespace {

using ::testing::ElementsAre;
using Event = fakes::RecordingTreeView::Event;
using Kind = fakes::RecordingTreeView::Kind;

std::vector<std::string> labels(const TreeModel& model) {
    std::vector<std::string> all;
    for (int i = 0; i < model.count(); ++i) all.push_back(model.label(i));
    return all;
}

// Two categories with a subcategory and commands:
//   0 A(1)  1 A1(3)  2 cmdA1  3 cmdA  4 B(2)  5 cmdB //乙
class SmallTree : public ::testing::Test {
protected:
    void SetUp() override {
        a = model.add(-1, "A", ItemKind::Category, 1);
        b = model.add(-1, "B", ItemKind::Category, 2);
        a1 = model.add(a, "A1", ItemKind::Category, 3);
        model.add(model.findItemByValue(2), "cmdB //乙", ItemKind::Command, 0);
        model.add(a, "cmdA", ItemKind::Command, 0);
        model.add(model.findItemByValue(3), "cmdA1", ItemKind::Command, 0);
    }
    TreeModel model;
    int a = -1, b = -1, a1 = -1;
};

TEST_F(SmallTree, IndicesFollowPreOrder) {
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(a1, 1) << "the first child of item 0 takes index 1";
    EXPECT_THAT(labels(model), ElementsAre("A", "A1", "cmdA1", "cmdA", "B", "cmdB //乙"));

    const struct {
        int index;
        int parent;
        int depth;
        std::int32_t value;
        int image;
    } expected[] = {
        {0, -1, 1, 1, kCategoryImage}, {1, 0, 2, 3, kCategoryImage},  {2, 1, 3, 0, kCommandImage},
        {3, 0, 2, 0, kCommandImage},   {4, -1, 1, 2, kCategoryImage}, {5, 4, 2, 0, kCommandImage},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(model.parent(e.index), e.parent) << e.index;
        EXPECT_EQ(model.depth(e.index), e.depth) << e.index;
        EXPECT_EQ(model.value(e.index), e.value) << e.index;
        EXPECT_EQ(model.image(e.index), e.image) << e.index;
    }
}

TEST_F(SmallTree, AddReturnsTheIndexAfterTheParentsSubtreeAndShiftsLaterItems) {
    EXPECT_EQ(model.add(0, "A2", ItemKind::Category, 4), 4) << "after A's whole subtree";
    EXPECT_EQ(model.label(5), "B");
    EXPECT_EQ(model.findItemByValue(2), 5);
    EXPECT_EQ(model.add(1, "cmdA1b", ItemKind::Command, 0), 3);
    EXPECT_EQ(model.add(-1, "C", ItemKind::Category, 5), 8);
    EXPECT_THAT(labels(model),
                ElementsAre("A", "A1", "cmdA1", "cmdA1b", "cmdA", "A2", "B", "cmdB //乙", "C"));
    EXPECT_EQ(model.parent(5), 0);
}

TEST_F(SmallTree, RemoveTakesTheSubtreeAndShiftsLaterItemsDown) {
    ASSERT_TRUE(model.remove(1));
    EXPECT_THAT(labels(model), ElementsAre("A", "cmdA", "B", "cmdB //乙"));
    EXPECT_EQ(model.findItemByValue(3), -1) << "A1 is gone";
    EXPECT_EQ(model.findItemByValue(2), 2);
    EXPECT_EQ(model.parent(3), 2);
    EXPECT_EQ(model.add(0, "A3", ItemKind::Category, 3), 2) << "its number can be used again";
}

TEST_F(SmallTree, SelectionFollowsItsItemAndIsDroppedWithIt) {
    model.setSelected(4);  // B
    model.remove(1);
    EXPECT_EQ(model.selected(), 2) << "B moved up with the deletion";
    model.remove(2);
    EXPECT_EQ(model.selected(), -1);
}

TEST_F(SmallTree, OutOfRangeIndicesReadAsNothingAndChangeNothing) {
    for (const int bad : {-2, -1, 6, 100}) {
        EXPECT_EQ(model.label(bad), "") << bad;
        EXPECT_EQ(model.value(bad), 0) << bad;
        EXPECT_EQ(model.image(bad), -1) << bad;
        EXPECT_EQ(model.parent(bad), -1) << bad;
        EXPECT_EQ(model.depth(bad), 0) << bad;
        EXPECT_FALSE(model.remove(bad)) << bad;
        model.setLabel(bad, "x");
        model.setSelected(bad);
        EXPECT_EQ(model.selected(), -1) << bad;
    }
    EXPECT_EQ(model.add(-2, "x", ItemKind::Command, 0), -1);
    EXPECT_EQ(model.add(6, "x", ItemKind::Command, 0), -1);
    EXPECT_THAT(labels(model), ElementsAre("A", "A1", "cmdA1", "cmdA", "B", "cmdB //乙"));
}

TEST_F(SmallTree, FindItemByValueGivesTheLowestCategory) {
    EXPECT_EQ(model.findItemByValue(3), 1);
    EXPECT_EQ(model.findItemByValue(0), -1) << "commands are not categories numbered 0";
    EXPECT_EQ(model.findItemByValue(42), -1);
    // A second item numbered 2, added after B but standing before it.
    EXPECT_EQ(model.add(1, "dup", ItemKind::Category, 2), 3);
    EXPECT_EQ(model.findItemByValue(2), 3);
    model.remove(3);
    EXPECT_EQ(model.findItemByValue(2), 4);
}

TEST_F(SmallTree, CurrentItemsFollowTheSelection) {
    const struct {
        int selected;
        int category;
        int command;
    } cases[] = {
        {-1, -1, -1},
        {1, 1, -1},  // a category is its own current category
        {2, 1, 2},   // a command's category is its parent
        {5, 4, 5},
    };
    for (const auto& c : cases) {
        model.setSelected(c.selected);
        EXPECT_EQ(model.currentCategoryItem(), c.category) << c.selected;
        EXPECT_EQ(model.currentCommandItem(), c.command) << c.selected;
    }
}

TEST(CommandNames, CutTheLabelBeforeTheFirstSeparator) {
    const struct {
        const char* label;
        const char* name;
    } cases[] = {
        {"strcpy //复制", "strcpy"},
        {"a //b //c", "a"},
        {"plain", "plain"},
        {"a//b", "a//b"},  // the separator starts with a blank
        {"a // b", "a"},
        {" //only", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(commandNameOf(c.label), c.name) << c.label;

    TreeModel model;
    model.add(-1, "a //b //c", ItemKind::Command, 0);
    model.setSelected(0);
    EXPECT_EQ(model.itemName(), "a");
    EXPECT_EQ(model.itemName(0, true), "a //b //c");
    EXPECT_EQ(model.itemName(1), "");
}

TEST(CommandNames, LabelAddsTheChineseNameOnlyWhenThereIsOne) {
    EXPECT_EQ(commandLabel("memset", "填充"), "memset //填充");
    EXPECT_EQ(commandLabel("memset", ""), "memset");
}

TEST(TreeModelNotifications, TellTheMirrorEveryChangeByItemId) {
    TreeModel model;
    fakes::RecordingTreeView view;
    model.setObserver(&view);

    model.add(-1, "A", ItemKind::Category, 1);
    model.add(0, "c", ItemKind::Command, 0);
    model.add(-1, "B", ItemKind::Category, 2);
    const TreeItemId a = model.itemAt(0), c = model.itemAt(1), b = model.itemAt(2);
    model.setLabel(2, "B2");
    model.expand(0);
    model.setSelected(1);
    model.setSelected(1);  // unchanged: not told again
    model.beginEditing(2);
    model.remove(0);
    model.setSelected(-1);  // already nothing after the deletion

    EXPECT_THAT(view.events, ElementsAre(Event{Kind::Added, a, TreeItemId::None}, Event{Kind::Added, c, a},
                                         Event{Kind::Added, b, TreeItemId::None}, Event{Kind::Relabelled, b},
                                         Event{Kind::Expanded, a}, Event{Kind::Selected, c},
                                         Event{Kind::EditingBegun, b}, Event{Kind::Removed, a}));
}

TEST(TreeModelNotifications, ASelectionMadeInTheViewIsNotEchoed) {
    TreeModel model;
    fakes::RecordingTreeView view;
    model.add(-1, "A", ItemKind::Category, 1);
    model.setObserver(&view);
    model.followViewSelection(model.itemAt(0));
    EXPECT_EQ(model.selected(), 0);
    EXPECT_TRUE(view.events.empty());
    model.followViewSelection(static_cast<TreeItemId>(999));
    EXPECT_EQ(model.selected(), -1) << "an unknown id selects nothing";
}

TEST_F(SmallTree, TheMirrorReadsItemsByIdForLazyFilling) {
    const TreeItemId idA = model.itemAt(0), idA1 = model.itemAt(1), idB = model.itemAt(4);
    EXPECT_THAT(model.childrenOf(TreeItemId::None), ElementsAre(idA, idB));
    EXPECT_THAT(model.childrenOf(idA), ElementsAre(idA1, model.itemAt(3)));
    EXPECT_TRUE(model.hasChildren(idA1));
    EXPECT_FALSE(model.hasChildren(model.itemAt(2)));
    EXPECT_EQ(model.labelOf(model.itemAt(5)), "cmdB //乙");
    EXPECT_EQ(model.imageOf(idB), kCategoryImage);
    EXPECT_EQ(model.parentOf(idA1), idA);
    EXPECT_EQ(model.parentOf(idA), TreeItemId::None);
    EXPECT_EQ(model.indexOf(idB), 4);
    EXPECT_EQ(model.itemAt(6), TreeItemId::None);
    model.expand(1);
    EXPECT_TRUE(model.isExpanded(idA1));
    EXPECT_FALSE(model.isExpanded(idA));

    model.remove(0);
    EXPECT_EQ(model.indexOf(idA1), -1) << "gone with its parent";
    EXPECT_EQ(model.labelOf(idA1), "");
    EXPECT_TRUE(model.childrenOf(idA1).empty());
    EXPECT_EQ(model.indexOf(idB), 0) << "ids outlive index shifts";
}

// A plain tree that recomputes everything, to hold the cached model against.
struct ReferenceTree {
    struct Item {
        std::string label;
        std::int32_t value;
        std::vector<std::unique_ptr<Item>> children;
        Item* parent = nullptr;
    };
    Item root{"", 0, {}, nullptr};

    std::vector<Item*> order() {
        std::vector<Item*> all;
        walk(root, all);
        return all;
    }
    static void walk(Item& item, std::vector<Item*>& all) {
        for (auto& child : item.children) {
            all.push_back(child.get());
            walk(*child, all);
        }
    }
    void add(int parentIndex, std::string label, std::int32_t value) {
        Item* parent = parentIndex < 0 ? &root : order()[static_cast<std::size_t>(parentIndex)];
        parent->children.push_back(std::make_unique<Item>(Item{std::move(label), value, {}, parent}));
    }
    void remove(int index) {
        Item* item = order()[static_cast<std::size_t>(index)];
        auto& siblings = item->parent->children;
        for (auto it = siblings.begin(); it != siblings.end(); ++it)
            if (it->get() == item) {
                siblings.erase(it);
                break;
            }
    }
};

TEST(TreeModelCache, AgreesWithAPlainTreeThroughMixedChanges) {
    TreeModel model;
    ReferenceTree reference;
    std::mt19937 random(20240607);
    int nextLabel = 0;

    for (int step = 0; step < 3000; ++step) {
        const int count = model.count();
        const auto pick = [&](int below) {
            return static_cast<int>(random() % static_cast<unsigned>(below));
        };
        const int action = pick(10);
        if (count == 0 || action < 6) {
            // Some queries between changes, as a mirror or a lookup would make.
            const int parentIndex = count == 0 ? -1 : pick(count + 1) - 1;
            const std::int32_t value = pick(3) == 0 ? 0 : pick(40) + 1;
            const std::string label = "item" + std::to_string(nextLabel++);
            reference.add(parentIndex, label, value);
            const int index =
                model.add(parentIndex, label, value == 0 ? ItemKind::Command : ItemKind::Category, value);
            // Reading back only now and then, so that changes also pile up unread.
            if (step % 3 == 0) {
                ASSERT_EQ(model.label(index), label) << "step " << step;
            }
        } else if (action < 8) {
            const int index = pick(count);
            reference.remove(index);
            ASSERT_TRUE(model.remove(index));
        } else {
            // A downward walk that deletes, as a category deletion does.
            const int from = pick(count);
            for (int i = std::min(count - 1, from + pick(5)); i >= from; --i) {
                reference.remove(i);
                ASSERT_TRUE(model.remove(i));
            }
        }

        if (step % 7 != 0) continue;
        const auto order = reference.order();
        ASSERT_EQ(model.count(), static_cast<int>(order.size())) << "step " << step;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int index = static_cast<int>(i);
            ASSERT_EQ(model.label(index), order[i]->label) << "step " << step << " index " << i;
            const ReferenceTree::Item* parent = order[i]->parent;
            const int parentIndex =
                parent == &reference.root
                    ? -1
                    : static_cast<int>(std::find(order.begin(), order.end(), parent) - order.begin());
            ASSERT_EQ(model.parent(index), parentIndex) << "step " << step << " index " << i;
        }
        for (std::int32_t value = 1; value <= 40; value += 13) {
            const auto first =
                std::find_if(order.begin(), order.end(), [&](auto* item) { return item->value == value; });
            const int expected = first == order.end() ? -1 : static_cast<int>(first - order.begin());
            ASSERT_EQ(model.findItemByValue(value), expected) << "step " << step << " value " << value;
        }
    }
}

}  // namespace
}  // namespace quorvane::tree
