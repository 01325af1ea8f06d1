// "关于": the version from the program itself, and links to what is on this machine.
#include <gtest/gtest.h>

#include <fstream>

#include "panel_world.h"
#include "shell/about_window.h"

namespace quorvane::testing {
namespace {

namespace ids = shell::about_ids;

TEST(AboutWindow, ShowsTheProgramsOwnVersionAndClosesOnOk) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    w.system.version = "2.3.4.5";
    w.forms.users.push_back([](fakes::FakeForm& f) {
        EXPECT_EQ(f.text(ids::Version), "版本：2.3.4.5");
        f.click(ids::Ok);
        EXPECT_TRUE(f.closed);
    });
    w.menu(shell::MenuCommand::About);
    ASSERT_EQ(w.forms.opened.size(), 1u);
    EXPECT_EQ(w.forms.opened[0].caption, "关于");
    EXPECT_EQ(w.forms.opened[0].width, 378);
    EXPECT_EQ(w.forms.opened[0].height, 152);
    EXPECT_FALSE(w.forms.opened[0].resizable);
}

TEST(AboutWindow, LinksOpenTheLibrarysFolderAndTheUsagePageBesideTheProgram) {
    PanelWorld w;
    ASSERT_TRUE(w.start());
    const auto clickBothLinks = [&w] {
        w.forms.users.push_back([](fakes::FakeForm& f) {
            f.click(ids::LibraryFolderLink);
            f.click(ids::UsageLink);
            EXPECT_FALSE(f.closed) << "the window stays open";
        });
        w.menu(shell::MenuCommand::About);
    };

    // Not shipped: the user is told where it should be, rather than nothing happening.
    clickBothLinks();
    const std::string page = (w.dir / shell::kUsagePageFileName).string();
    EXPECT_EQ(w.system.opened, std::vector<std::string>{w.dir.path().string()});
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, shell::kUsagePageMissingText + page);

    std::ofstream(w.dir / shell::kUsagePageFileName) << "<html></html>";
    w.system.opened.clear();
    clickBothLinks();
    EXPECT_EQ(w.system.opened, (std::vector<std::string>{w.dir.path().string(), page}));
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

}  // namespace
}  // namespace quorvane::testing
