#include "tree/tree_interaction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_description_view.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_text_deliverer.h"
#include "fakes/recording_tree_view.h"
#include "tree_library.h"

namespace quorvane::tree::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;
using Delivery = fakes::FakeTextDeliverer::Delivery;
constexpr auto kType = editor_link::DeliveryMode::Type;
constexpr auto kPaste = editor_link::DeliveryMode::Paste;

constexpr char kMessageBoxHelp[] = "Shows a box.\r\nIt's modal.";
constexpr char kForSnippet[] = "for (int i = 0; i < n; ++i) {\r\n\t'body'\r\n}";

// 0 函数  1 窗口  2 MessageBoxA //消息框  3 CreateWindowEx  4 ShowWindow //显示窗口
// 5 for{} //循环  6 空类  7 it's
class TreeInteractionTest : public TreeLibraryTest {
protected:
    void SetUp() override {
        rows.category("函数", "1", "0", "函数's 说明");
        rows.category("窗口", "2", "1", "窗口说明");
        rows.category("空类", "3", "0");
        rows.command("MessageBoxA", "消息框", "2", kMessageBoxHelp);
        rows.command("CreateWindowEx", "", "2", "Creates a window");
        rows.command("ShowWindow", "显示窗口", "2", "Shows it");
        rows.command("for{}", "循环", "1", kForSnippet);
        rows.command("it's", "", "3", "say 'hi'");
        load();
        ASSERT_EQ(model.count(), 8);
        model.setObserver(&view);
        timer.setHandler([this] { interaction.showDescription(); });
    }

    void select(int index, SelectionCause cause) { interaction.selectionChanged(model.itemAt(index), cause); }
    void click(int index) { select(index, SelectionCause::Mouse); }
    // Long enough for the click timer, far too short to matter otherwise.
    void settle() { clock.advance(50); }
    std::string categoryName(const std::string& number) {
        const auto names = column("分类表", "分类名", "序号=" + store::sqlQuote(number));
        return names.empty() ? "<no row>" : names.front();
    }

    fakes::FakeClock clock;
    fakes::FakeTimer& timer = clock.makeTimer();
    fakes::FakeDescriptionView descriptions;
    fakes::FakeMessages messages;
    fakes::RecordingTreeView view;
    settings::Options options;
    fakes::FakeTextDeliverer deliverer;
    std::vector<Delivery>& delivered = deliverer.deliveries;
    TreeInteraction interaction{model, db, timer, descriptions, messages, options, deliverer};
};

TEST_F(TreeInteractionTest, AClickShowsTheDescriptionOnTheClickTimersTick) {
    click(2);
    EXPECT_EQ(timer.period(), TreeInteraction::kClickDelayMs);
    clock.advance(9);
    EXPECT_EQ(descriptions.infoText, std::nullopt);
    clock.advance(1);
    EXPECT_THAT(descriptions.infoText, Optional(std::string(kMessageBoxHelp)));
    EXPECT_EQ(timer.period(), 0) << "one tick per click";
}

TEST_F(TreeInteractionTest, DescriptionsAreReadFromTheItemsRowAndUnescaped) {
    const struct {
        int index;
        const char* shown;
    } cases[] = {
        {0, "函数's 说明"},  // a category
        {4, "Shows it"},     // a command with a Chinese name on its label
        {7, "say 'hi'"},     // a name holding an apostrophe
        {6, ""},             // an empty description is still a description
    };
    for (const auto& c : cases) {
        click(c.index);
        settle();
        EXPECT_THAT(descriptions.infoText, Optional(std::string(c.shown))) << c.index;
    }
}

TEST_F(TreeInteractionTest, TheDescriptionWindowTakesThePlaceOfTheInfoBoxWhileLoaded) {
    descriptions.windowLoaded = true;
    click(3);
    settle();
    EXPECT_THAT(descriptions.windowText, Optional(std::string("Creates a window")));
    EXPECT_EQ(descriptions.infoText, std::nullopt);
}

// The arrow keys show a description as a click does; a selection the
// program makes (a right click, a deletion) shows nothing.
TEST_F(TreeInteractionTest, SelectionsTheUserMakesShowDescriptionsTheProgramsDoNot) {
    click(3);
    settle();
    EXPECT_THAT(descriptions.infoText, Optional(std::string("Creates a window")));
    select(2, SelectionCause::Keyboard);
    settle();
    EXPECT_THAT(descriptions.infoText, Optional(std::string(kMessageBoxHelp)));
    select(4, SelectionCause::Other);
    settle();
    EXPECT_THAT(descriptions.infoText, Optional(std::string(kMessageBoxHelp)));
    EXPECT_EQ(timer.period(), 0);
}

TEST_F(TreeInteractionTest, AnItemWithoutADescriptionRowLeavesTheShownTextAlone) {
    click(3);
    settle();
    ASSERT_TRUE(db.DeleteWhere("命令库", "命令名='ShowWindow'"));
    click(4);
    settle();
    EXPECT_THAT(descriptions.infoText, Optional(std::string("Creates a window")));
}

// A double click's first press selects the item and starts the click timer;
// when the second press comes before the tick, that tick is swallowed.
TEST_F(TreeInteractionTest, ADoubleClickSwallowsOnlyTheTickOfItsOwnFirstClick) {
    click(3);
    interaction.doubleClicked();  // before the tick
    settle();
    EXPECT_THAT(delivered, ElementsAre(Delivery{"CreateWindowEx", kType}));
    EXPECT_EQ(descriptions.infoText, std::nullopt) << "its own tick is swallowed";
    EXPECT_FALSE(interaction.doubleClickSeen());

    click(4);
    settle();
    EXPECT_THAT(descriptions.infoText, Optional(std::string("Shows it"))) << "the next click shows its description";
}

// The usual timing: the first click's tick has long come when the second
// press arrives. Nothing is left to swallow, so the next click is shown.
TEST_F(TreeInteractionTest, ADoubleClickAfterItsFirstTickLeavesTheNextClickAlone) {
    for (const int doubleClicked : {3, 1}) {  // a command, and a category
        SCOPED_TRACE(doubleClicked);
        descriptions.infoText.reset();
        click(doubleClicked);
        settle();
        interaction.doubleClicked();
        EXPECT_FALSE(interaction.doubleClickSeen());
        click(4);
        settle();
        EXPECT_THAT(descriptions.infoText, Optional(std::string("Shows it")));
    }
}

TEST_F(TreeInteractionTest, ADoubleClickWithNothingSelectedDeliversNothing) {
    interaction.doubleClicked();
    EXPECT_TRUE(delivered.empty());
}

TEST_F(TreeInteractionTest, DoubleClickedCommandsAreTypedOrTheirSnippetsPasted) {
    const struct {
        int index;
        bool addChineseName;
        Delivery expected;
    } cases[] = {
        {2, false, {"MessageBoxA", kType}},
        {2, true, {"MessageBoxA //消息框", kType}},
        {3, true, {"CreateWindowEx", kType}},
        {5, false, {kForSnippet, kPaste}},  // "{}": the description, lines and apostrophes intact
        {5, true, {kForSnippet, kPaste}},
        {7, false, {"it's", kType}},
    };
    for (const auto& c : cases) {
        delivered.clear();
        options.addChineseName = c.addChineseName;
        click(c.index);
        interaction.doubleClicked();
        EXPECT_THAT(delivered, ElementsAre(c.expected)) << c.index << " " << c.addChineseName;
    }
}

TEST_F(TreeInteractionTest, ASnippetWhoseDescriptionCannotBeReadPastesItsLabelText) {
    ASSERT_TRUE(db.DeleteWhere("命令库", "命令名='for{}'"));
    click(5);
    interaction.doubleClicked();
    options.addChineseName = true;
    interaction.doubleClicked();
    EXPECT_THAT(delivered, ElementsAre(Delivery{"for{}", kPaste}, Delivery{"for{} //循环", kPaste}));
}

TEST_F(TreeInteractionTest, RenamingACategoryStoresTheNewName) {
    const char* const names[] = {"视窗", "O'Neil's"};
    for (const char* name : names) {
        click(1);
        EXPECT_TRUE(interaction.labelEditBegins(1));
        interaction.labelEditEnds(1, name);
        EXPECT_EQ(model.label(1), name);
        EXPECT_EQ(categoryName("2"), name);
    }
    EXPECT_EQ(categoryName("1"), "函数") << "no other row renamed";
}

TEST_F(TreeInteractionTest, AFailedRenamePutsTheOldLabelBack) {
    const std::string tooLong(51, 'x');  // the name column holds 50 characters
    click(1);
    interaction.labelEditBegins(1);
    interaction.labelEditEnds(1, tooLong);
    EXPECT_EQ(model.label(1), "窗口");
    EXPECT_EQ(categoryName("2"), "窗口");
    EXPECT_THAT(
        view.events,
        ElementsAre(
            fakes::RecordingTreeView::Event{fakes::RecordingTreeView::Kind::Relabelled, model.itemAt(1)},
            fakes::RecordingTreeView::Event{fakes::RecordingTreeView::Kind::Relabelled, model.itemAt(1)}));
}

TEST_F(TreeInteractionTest, AnUnchangedOrCancelledRenameMakesNoDatabaseCall) {
    // Renamed behind the tree's back: any update by the tree would overwrite it.
    ASSERT_TRUE(db.Update("分类表", "分类名='改过'", "序号='2'"));
    const std::optional<std::string> endings[] = {std::string("窗口"), std::nullopt};
    for (const auto& edited : endings) {
        click(1);
        interaction.labelEditBegins(1);
        interaction.labelEditEnds(1, edited);
        EXPECT_EQ(model.label(1), "窗口");
        EXPECT_EQ(categoryName("2"), "改过");
    }
}

TEST_F(TreeInteractionTest, ACommandLabelIsNotEditedInPlace) {
    click(2);
    EXPECT_FALSE(interaction.labelEditBegins(2));
    // Should a view end the edit anyway, the label it showed is taken back.
    interaction.labelEditEnds(2, "Renamed");
    EXPECT_EQ(model.label(2), "MessageBoxA //消息框");
    EXPECT_THAT(column("命令库", "命令名"),
                ElementsAre("MessageBoxA", "CreateWindowEx", "ShowWindow", "for{}", "it's"));
    EXPECT_THAT(column("分类表", "分类名"), ElementsAre("函数", "窗口", "空类"));
}

TEST_F(TreeInteractionTest, SearchSelectsTheFirstMatchingCommandAndShowsIt) {
    const struct {
        const char* text;
        int found;
    } cases[] = {
        {"messagebox", 2},  // case is ignored
        {"CREATEwindow", 3},
        {"窗口", 4},    // the category 窗口 comes first but is no command
        {"Window", 3},  // the first in the tree, not the best
        {"循环", 5},    // the Chinese name is part of the label
        {"", 2},        // an empty text matches the first command
    };
    for (const auto& c : cases) {
        model.setSelected(-1);
        view.events.clear();
        messages.inputs.push_back(c.text);
        interaction.findCommand();
        EXPECT_EQ(model.selected(), c.found) << c.text;
        EXPECT_THAT(view.events, ElementsAre(fakes::RecordingTreeView::Event{
                                     fakes::RecordingTreeView::Kind::Selected, model.itemAt(c.found)}))
            << c.text;
        EXPECT_EQ(timer.period(), TreeInteraction::kClickDelayMs) << c.text;
        settle();
    }
    EXPECT_EQ(messages.prompts.front(), "输入要查找的命令：");
    EXPECT_THAT(descriptions.infoText, Optional(std::string(kMessageBoxHelp)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TreeInteractionTest, SearchWithoutAMatchSaysSoAndKeepsTheSelection) {
    click(3);
    settle();
    messages.inputs.push_back("nowhere");
    interaction.findCommand();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "没找到命令");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(model.selected(), 3);
    EXPECT_EQ(timer.period(), 0);
}

TEST_F(TreeInteractionTest, CancellingTheSearchDoesNothing) {
    messages.inputs.push_back(std::nullopt);
    interaction.findCommand();
    EXPECT_EQ(messages.prompts.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(model.selected(), -1);
    EXPECT_EQ(timer.period(), 0);
}

// Rows that share a name (in any case) or a number: the item the user acted on
// addresses its own row, by its ID.
class SameNamedRowsTest : public TreeLibraryTest {
protected:
    void SetUp() override {
        rows.category("Win", "1", "0", "Win's own");
        rows.category("WIN", "2", "0", "WIN's own");
        rows.category("二号", "2", "0", "shares the number 2");
        rows.command("abc{}", "", "1", "lower snippet");
        rows.command("ABC{}", "", "1", "UPPER snippet");
        load();
        ASSERT_EQ(model.count(), 5);  // Win, abc{}, ABC{}, WIN, 二号
        timer.setHandler([this] { interaction.showDescription(); });
    }
    void click(int index) {
        interaction.selectionChanged(model.itemAt(index), SelectionCause::Mouse);
        clock.advance(50);
    }

    fakes::FakeClock clock;
    fakes::FakeTimer& timer = clock.makeTimer();
    fakes::FakeDescriptionView descriptions;
    fakes::FakeMessages messages;
    settings::Options options;
    fakes::FakeTextDeliverer deliverer;
    TreeInteraction interaction{model, db, timer, descriptions, messages, options, deliverer};
};

TEST_F(SameNamedRowsTest, DescriptionsAndSnippetsAreTheItemsOwn) {
    const struct {
        int index;
        const char* shown;
    } cases[] = {{0, "Win's own"}, {3, "WIN's own"}, {4, "shares the number 2"}, {1, "lower snippet"}, {2, "UPPER snippet"}};
    for (const auto& c : cases) {
        click(c.index);
        EXPECT_THAT(descriptions.infoText, Optional(std::string(c.shown))) << c.index;
    }
    click(2);
    interaction.doubleClicked();
    EXPECT_THAT(deliverer.deliveries, ElementsAre(Delivery{"UPPER snippet", kPaste}));
}

TEST_F(SameNamedRowsTest, ARenameChangesOnlyItsOwnRow) {
    click(3);
    ASSERT_TRUE(interaction.labelEditBegins(3));
    interaction.labelEditEnds(3, "窗口");
    EXPECT_EQ(model.label(3), "窗口");
    EXPECT_THAT(column("分类表", "分类名"), ElementsAre("Win", "窗口", "二号")) << "not 二号, which shares 序号 2";
}

TEST_F(SameNamedRowsTest, ARenameOfARowThatIsGoneFailsAndTheLabelGoesBack) {
    ASSERT_TRUE(db.DeleteWhere("分类表", "分类名='二号'"));
    click(4);
    ASSERT_TRUE(interaction.labelEditBegins(4));
    interaction.labelEditEnds(4, "新名");
    EXPECT_EQ(model.label(4), "二号") << "nothing was stored, so nothing is shown";
    EXPECT_THAT(column("分类表", "分类名"), ElementsAre("Win", "WIN"));
}

}  // namespace
}  // namespace quorvane::tree::testing
