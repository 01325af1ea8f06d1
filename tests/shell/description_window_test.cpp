#include "shell/description_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/fake_description_window.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_panel_view.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"

namespace quorvane::shell {
namespace {

// The panel stands at its first place (243 x 560 at 50, 50); the settings file is a
// real one in a fresh directory.
class DescriptionWindowTest : public ::testing::Test {
protected:
    std::string remembered() const { return ini.read("shezhi", "提示窗", "<absent>"); }
    void remember(const char* value) { ASSERT_TRUE(ini.write("shezhi", "提示窗", value)); }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    settings::IniFile ini{dir / "mlkpz.ini", codec};
    settings::SettingsFile settingsFile{ini};
    fakes::FakePanelView panel;
    fakes::FakeDescriptionWindowView window;
    fakes::FakeInfoBoxView infoBox;
    DpiScale scale;
    DescriptionWindow descriptions{window, infoBox, panel, settingsFile, scale};
};

TEST_F(DescriptionWindowTest, FirstShowLoadsBelowThePanelAndRemembersItOpen) {
    descriptions.show();

    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.size, (Rect{0, 0, 600, 179}));
    EXPECT_TRUE(window.shown);
    // Placed before it is shown, so it never appears anywhere else first.
    EXPECT_EQ(window.placeWhenShown, (Point{50, 610}));
    EXPECT_EQ(remembered(), "真");
}

TEST_F(DescriptionWindowTest, ItsSizeFollowsThePanelsScale) {
    scale = DpiScale(144);
    descriptions.show();
    EXPECT_EQ(window.size, (Rect{0, 0, 900, 269}));
}

TEST_F(DescriptionWindowTest, ShowingAnOpenWindowOnlyMovesItBelowThePanel) {
    descriptions.show();
    window.setText("kept");
    // Any second write of the key would overwrite this.
    remember("marker");
    panel.rect = {300, 20, 243, 560};

    descriptions.show();

    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.text, "kept");
    EXPECT_EQ(window.moves.back(), (Point{300, 580}));
    EXPECT_EQ(remembered(), "marker");
}

TEST_F(DescriptionWindowTest, SitsBelowThePanelsOuterFrameWhereverThePanelIs) {
    struct Case {
        Rect panel;
        Point expected;
    };
    const Case cases[] = {
        {{0, 0, 243, 560}, {0, 560}},
        {{-8, -30, 100, 200}, {-8, 170}},  // partly off screen
        {{900, 400, 2, 300}, {900, 700}},  // shrunk to a strip at the edge
        {{100, 0, 243, 2}, {100, 2}},      // a strip at the top edge
    };
    for (const Case& c : cases) {
        panel.rect = c.panel;
        descriptions.show();
        EXPECT_EQ(window.moves.back(), c.expected) << c.panel.left << "," << c.panel.top;
    }
}

TEST_F(DescriptionWindowTest, ClosingRemembersItClosedAndTheNextShowLoadsItAgain) {
    descriptions.show();

    descriptions.closing();
    window.destroy();
    EXPECT_EQ(remembered(), "假");

    descriptions.show();
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(remembered(), "真");
}

TEST_F(DescriptionWindowTest, OpensAndClosesEvenWhenTheSettingsCannotBeWritten) {
    settings::IniFile unwritable{dir / "missing" / "mlkpz.ini", codec};
    settings::SettingsFile unwritableSettings{unwritable};
    DescriptionWindow withoutSettings{window, infoBox, panel, unwritableSettings, scale};

    withoutSettings.show();
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.placeWhenShown, (Point{50, 610}));

    withoutSettings.closing();
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(DescriptionWindowTest, DescriptionsGoToTheWindowOnlyWhileItIsLoaded) {
    DescriptionView& view = descriptions;
    EXPECT_FALSE(view.descriptionWindowLoaded());

    descriptions.show();
    EXPECT_TRUE(view.descriptionWindowLoaded());
    view.setDescriptionWindowText("窗口\r\n第二行");
    EXPECT_EQ(window.text, "窗口\r\n第二行");
    EXPECT_FALSE(infoBox.text.has_value());

    window.destroy();
    EXPECT_FALSE(view.descriptionWindowLoaded());
    view.setInfoText("信息框");
    EXPECT_EQ(infoBox.text, "信息框");
    EXPECT_EQ(window.text, "窗口\r\n第二行");
}

TEST_F(DescriptionWindowTest, InfoBoxMenuItems) {
    struct Case {
        MenuCommand command;
        bool handled;
        std::vector<std::string> infoBoxCalls;
        bool windowLoaded;
    };
    const Case cases[] = {
        {MenuCommand::CopySelection, true, {"copy"}, false},
        {MenuCommand::SelectAllCopy, true, {"selectAll", "copy"}, false},
        {MenuCommand::ShowInNewWindow, true, {}, true},
        {MenuCommand::UsageNote, false, {}, false},
        {MenuCommand::FindCommand, false, {}, false},
    };
    for (const Case& c : cases) {
        fakes::FakeInfoBoxView box;
        fakes::FakeDescriptionWindowView fresh;
        DescriptionWindow subject{fresh, box, panel, settingsFile, scale};

        EXPECT_EQ(subject.onInfoBoxMenu(c.command), c.handled) << commandId(c.command);
        EXPECT_EQ(box.calls, c.infoBoxCalls) << commandId(c.command);
        EXPECT_EQ(fresh.loaded, c.windowLoaded) << commandId(c.command);
    }
}

TEST(UsageNote, IsAPlainMessageWithItsOwnTitle) {
    fakes::FakeMessages messages;
    showUsageNote(messages);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "命令名后加“{}”时，双击命令将发送说明内容。");
    EXPECT_EQ(messages.shown[0].title, "说明：");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace quorvane::shell
