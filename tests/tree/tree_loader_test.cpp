#include "tree/tree_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tree_library.h"

namespace quorvane::tree::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class TreeLoading : public TreeLibraryTest {};

struct CategoryRow {
    const char* name;
    const char* number;
    const char* parent;
};

struct PlacementCase {
    const char* what;
    std::vector<CategoryRow> rows;  // in the order the table returns them
    std::vector<std::string> outline;
};

TEST_F(TreeLoading, PlacesCategoriesUnderTheirParentsInRowOrder) {
    const PlacementCase cases[] = {
        {"parents before children",
         {{"A", "1", "0"},
          {"B", "2", "0"},
          {"A1", "3", "1"},
          {"B1", "4", "2"},
          {"A2", "5", "1"},
          {"A11", "6", "3"}},
         {"A", "  A1", "    A11", "  A2", "B", "  B1"}},
        {"children before parents",
         {{"A11", "6", "3"}, {"A2", "5", "1"}, {"A1", "3", "1"}, {"A", "1", "0"}},
         {"A", "  A2", "  A1", "    A11"}},
        {"a parent that is not a number is the top level",
         {{"A", "1", "0"}, {"X", "2", "abc"}, {"Y", "3", ""}, {"Z", "4", " 1"}},
         {"A", "  Z", "X", "Y"}},
        {"a missing parent: shown at the top level after the placed ones, with its subtree",
         {{"O1", "6", "5"}, {"O", "5", "99"}, {"A", "1", "0"}, {"B", "2", "0"}},
         {"A", "B", "O", "  O1"}},
        {"loops of parents after the missing ones: the first row of each loop at the top level",
         {{"L2", "8", "7"},
          {"A", "1", "0"},
          {"L1", "7", "8"},
          {"T", "11", "7"},
          {"O", "5", "99"},
          {"S", "10", "10"}},
         {"A", "O", "L2", "  L1", "    T", "S"}},
        {"a number that reads as 0 never becomes a parent",
         {{"Z", "abc", "0"}, {"A", "1", "0"}, {"B", "2", "abc"}},
         {"Z", "A", "B"}},
        {"only unreachable rows", {{"P", "2", "3"}, {"Q", "3", "2"}}, {"P", "  Q"}},
        {"one number twice: children go under the first of them in the tree",
         {{"A", "1", "0"}, {"B", "2", "0"}, {"C", "2", "1"}, {"D", "9", "2"}},
         {"A", "  C", "    D", "B"}},
    };
    for (const auto& c : cases) {
        TreeWorld world;
        for (const auto& row : c.rows) world.rows.category(row.name, row.number, row.parent);
        world.load();
        EXPECT_THAT(outline(world.model), ElementsAreArray(c.outline)) << c.what;
        for (int i = 0; i < world.model.count(); ++i)
            EXPECT_EQ(world.model.image(i), kCategoryImage) << c.what;
    }
}

TEST_F(TreeLoading, HangsCommandsAfterSubcategoriesWithTheirChineseNames) {
    rows.category("文件", "1", "0");
    rows.category("字符串", "2", "0");
    rows.category("读写", "3", "1");
    rows.command("fopen", "打开文件", "1");
    rows.command("strlen", "", "2");
    rows.command("fread", "读", "3");
    rows.command("fclose", "关闭文件", "1");
    // No category has these numbers, though some read as 1.
    rows.command("lost", "", "77");
    rows.command("padded", "", "01");
    rows.command("blank", "", "1 ");
    rows.command("none", "", "");
    load();

    EXPECT_THAT(outline(model), ElementsAre("文件", "  读写", "    fread //读", "  fopen //打开文件",
                                            "  fclose //关闭文件", "字符串", "  strlen"));
    const int fopen = 3;
    EXPECT_EQ(model.image(fopen), kCommandImage);
    EXPECT_EQ(model.value(fopen), 0);
    EXPECT_EQ(model.value(0), 1);
    EXPECT_EQ(model.value(1), 3);
    EXPECT_EQ(model.selected(), -1);
}

TEST_F(TreeLoading, TwoCategoriesWithOneNumberBothShowItsCommands) {
    rows.category("A", "1", "0");
    rows.category("B", "1", "0");
    rows.command("x", "", "1");
    rows.command("y", "", "1");
    load();
    EXPECT_THAT(outline(model), ElementsAre("A", "  x", "  y", "B", "  x", "  y"));
}

TEST_F(TreeLoading, NoCategoriesLeavesTheTreeEmpty) {
    rows.command("orphan", "", "1");
    saveExpandedCategory("1");
    load();
    EXPECT_EQ(model.count(), 0);
}

TEST_F(TreeLoading, ReopensTheSavedCategoryWithOnlyItsAncestors) {
    // 1 > 2 > 3 three levels deep; 4 beside 2, 5 at the top, each with children.
    rows.category("一", "1", "0");
    rows.category("二", "2", "1");
    rows.category("三", "3", "2");
    rows.category("四", "4", "1");
    rows.category("四下", "6", "4");
    rows.category("五", "5", "0");
    rows.category("五下", "7", "5");
    rows.command("deep", "", "3");

    const struct {
        const char* saved;
        std::set<std::string> expanded;
    } cases[] = {
        {"3", {"一", "二", "三"}},
        {"5", {"五"}},
        {"", {}},
        {"99", {}},
        {"0", {}},  // names no category; must not open the first command's category
        {"x", {}},
    };
    for (const auto& c : cases) {
        TreeModel fresh;
        ASSERT_TRUE(settings.writeOption(settings::kExpandedCategoryKey, c.saved));
        loadCommandTree(fresh, db, settings);
        std::set<std::string> expanded;
        for (int i = 0; i < fresh.count(); ++i)
            if (fresh.isExpanded(i)) expanded.insert(fresh.label(i));
        EXPECT_EQ(expanded, c.expanded) << "saved " << c.saved;
        EXPECT_EQ(fresh.selected(), -1);
    }
}

TEST_F(TreeLoading, ANewSubcategoryAfterLoadingStandsAfterTheCommands) {
    rows.category("A", "1", "0");
    rows.category("B", "2", "0");
    rows.command("x", "", "1");
    load();
    EXPECT_EQ(model.add(0, "A9", ItemKind::Category, 9), 2);
    EXPECT_THAT(outline(model), ElementsAre("A", "  x", "  A9", "B"));
}

TEST_F(TreeLoading, NamesWithApostrophesAreReadAsStored) {
    rows.category("O'Brien's", "1", "0");
    rows.command("it's", "别's", "1");
    load();
    EXPECT_THAT(outline(model), ElementsAre("O'Brien's", "  it's //别's"));
}

}  // namespace
}  // namespace quorvane::tree::testing
