// The panel's own window: its menu bar.
#include <vector>

#include "harness/delivery_driver.h"
#include "harness/e2e_test.h"
#include "shell/about_window.h"
#include "shell/menu_layout.h"

namespace quorvane::e2e {
namespace {

class PanelTest : public E2eTest {};

// Another process cannot read the panel's menus under Wine; the native tests
// check their texts. Here each mnemonic of the bar must open its own popup,
// and the popups must drop from left to right in the bar's order.
TEST_F(PanelTest, MenuBarOpensFourMenusByTheirMnemonicsInOrder) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    const ScreenRect panelRect = windowRect(panel);

    std::vector<int> lefts;
    for (const char letter : {'M', 'C', 'G', 'B'}) {
        SCOPED_TRACE(std::string("Alt+") + letter);
        ASSERT_TRUE(bringToFront(panel));
        pressAlt(letter);
        const HWND popup = app().waitForPopupMenu();
        ASSERT_NE(popup, nullptr) << "no menu opened";
        const ScreenRect rect = windowRect(popup);
        EXPECT_GT(rect.top, panelRect.top) << "a menu of the bar drops below it";
        EXPECT_LT(rect.top, panelRect.top + 80);
        lefts.push_back(rect.left);
        // The first Esc closes the popup, the second leaves the menu bar.
        pressKey(VK_ESCAPE);
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitForGone(popup));
    }
    for (size_t i = 1; i < lefts.size(); ++i) EXPECT_LT(lefts[i - 1], lefts[i]) << "menu " << i;
    ASSERT_TRUE(app().closePanel());
}

// The version shown is the one the exe's own version resource holds.
TEST_F(PanelTest, AboutShowsTheVersionOfTheExe) {
    const HWND panel = startPanel();
    ASSERT_NE(panel, nullptr);
    chooseMenuCommand(panel, shell::commandId(shell::MenuCommand::About));
    const HWND about = waitForDialog(app(), "关于");
    ASSERT_NE(about, nullptr);
    EXPECT_NE(findChild(about, "Static", "版本：1.0.0.0"), nullptr);
    EXPECT_EQ(descendantsOfClass(about, "SysLink").size(), 2u);
    ASSERT_TRUE(clickDialogButton(about, shell::about_ids::Ok));
    ASSERT_TRUE(waitForGone(about));
    ASSERT_TRUE(app().closePanel());
}

}  // namespace
}  // namespace quorvane::e2e
