#include "shell/menu_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvane::shell {
namespace {

// One line per entry as a menu shows it: "-" for a separator, "text\tCtrl+X"
// for a shortcut, "text >" for a submenu followed by its indented entries.
void flatten(const std::vector<MenuEntry>& entries, const std::string& indent,
             std::vector<std::string>& out) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                out.push_back(indent + "-");
                break;
            case MenuEntry::Kind::Command:
                out.push_back(indent + menuItemText(entry));
                break;
            case MenuEntry::Kind::Submenu:
                out.push_back(indent + entry.text + " >");
                flatten(entry.submenu, indent + "  ", out);
                break;
        }
    }
}

std::vector<std::string> lines(const Menu& menu) {
    std::vector<std::string> out;
    flatten(menu.entries, "", out);
    return out;
}

void forEachCommand(const std::vector<MenuEntry>& entries, const auto& visit) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command) visit(entry);
        forEachCommand(entry.submenu, visit);
    }
}

std::vector<const MenuEntry*> allCommandEntries() {
    std::vector<const MenuEntry*> out;
    const auto collect = [&out](const MenuEntry& entry) { out.push_back(&entry); };
    for (const Menu& menu : menuBar()) forEachCommand(menu.entries, collect);
    forEachCommand(infoBoxMenu().entries, collect);
    forEachCommand(trayMenu().entries, collect);
    return out;
}

TEST(MenuLayout, BarHasExactlyTheFourMenusInOrder) {
    std::vector<std::string> titles;
    for (const Menu& menu : menuBar()) titles.push_back(menu.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"命令(&M)", "插入(&C)", "功能(&G)", "帮助(&B)"}));
}

TEST(MenuLayout, EveryMenuShowsItsItemsInOrder) {
    const std::map<std::string, std::vector<std::string>> expected{
        {"命令(&M)",
         {"添加\tCtrl+T", "修改", "删除", "-", "添加分类\tCtrl+F", "添加子类", "修改分类说明...", "重命名",
          "-", "查找命令\tCtrl+F", "-", "导出命令库...", "导入命令库..."}},
        {"插入(&C)",
         {"函数\tCtrl+H", "变量\tCtrl+B", "类\tCtrl+A", "数据类型\tCtrl+S", "循环 >", "  while", "  for",
          "  do while", "  for each", "条件 >", "  if", "  if…else", "  if…else if", "  switch"}},
        {"功能(&G)", {"系统设置", "添加命令提示", "导入命令提示...", "命令提示", "光标跟踪"}},
        {"帮助(&B)", {"说明", "关于"}},
        {"编框", {"复制", "全选复制", "-", "在新窗口中显示"}},
        {"托盘", {"显示", "退出"}},
    };
    std::vector<const Menu*> menus;
    for (const Menu& menu : menuBar()) menus.push_back(&menu);
    menus.push_back(&infoBoxMenu());
    menus.push_back(&trayMenu());
    for (const Menu* menu : menus) {
        SCOPED_TRACE(menu->title);
        ASSERT_TRUE(expected.contains(menu->title));
        EXPECT_EQ(lines(*menu), expected.at(menu->title));
    }
}

TEST(MenuLayout, PopupMenusAreNotInTheBar) {
    for (const Menu& menu : menuBar()) {
        EXPECT_NE(menu.title, infoBoxMenu().title);
        EXPECT_NE(menu.title, trayMenu().title);
    }
}

TEST(MenuLayout, EveryItemHasItsOwnCommandIdAndTheIdLeadsBack) {
    std::set<int> ids;
    for (const MenuEntry* entry : allCommandEntries()) {
        SCOPED_TRACE(entry->text);
        EXPECT_TRUE(ids.insert(commandId(entry->command)).second) << "id used twice";
        EXPECT_EQ(commandFromId(commandId(entry->command)), entry->command);
    }
}

TEST(MenuLayout, UnknownCommandIdsAreRejected) {
    for (const int id : {0, -1, 1, 100, 111, 299, 504, 600, 603, 65535})
        EXPECT_EQ(commandFromId(id), std::nullopt) << id;
}

TEST(Accelerators, EveryShownShortcutHasExactlyOneAccelerator) {
    const std::vector<Accelerator> table = acceleratorTable();
    std::map<char, int> acceleratorsPerKey;
    for (const Accelerator& accelerator : table) ++acceleratorsPerKey[accelerator.key];

    std::set<char> shownKeys;
    for (const MenuEntry* entry : allCommandEntries()) {
        if (entry->shortcut) shownKeys.insert(entry->shortcut->key);
    }
    for (const char key : shownKeys) EXPECT_EQ(acceleratorsPerKey[key], 1) << "Ctrl+" << key;
    EXPECT_EQ(acceleratorsPerKey.size(), shownKeys.size()) << "an accelerator no item shows";
}

TEST(Accelerators, EachKeyTriggersTheItemThatShowsIt) {
    const std::map<char, MenuCommand> expected{
        {'T', MenuCommand::AddCommand},     {'F', MenuCommand::FindCommand},
        {'H', MenuCommand::InsertFunction}, {'B', MenuCommand::InsertVariable},
        {'A', MenuCommand::InsertClass},    {'S', MenuCommand::InsertStruct},
    };
    std::map<char, MenuCommand> actual;
    for (const Accelerator& accelerator : acceleratorTable()) actual[accelerator.key] = accelerator.command;
    EXPECT_EQ(actual, expected);
}

TEST(Accelerators, CtrlFFindsACommandWhileAddCategoryStillShowsIt) {
    const MenuEntry* addCategory = nullptr;
    for (const MenuEntry* entry : allCommandEntries()) {
        if (entry->command == MenuCommand::AddCategory) addCategory = entry;
    }
    ASSERT_NE(addCategory, nullptr);
    EXPECT_EQ(menuItemText(*addCategory), "添加分类\tCtrl+F");
    for (const Accelerator& accelerator : acceleratorTable()) {
        EXPECT_NE(accelerator.command, MenuCommand::AddCategory);
    }
}

// Ctrl+A in the tree's label editor selects the text; it must not open the
// class builder. The same for every edit box the key may go to.
TEST(Accelerators, ActOnlyOnKeysForThePanelOutsideItsEditBoxes) {
    const struct {
        bool forPanel;
        const char* windowClass;
        bool act;
    } cases[] = {
        {true, "QuorvanePanel", true},
        {true, "SysTreeView32", true},
        {true, "Edit", false},  // the tree's label editor
        {true, "EDIT", false},
        {true, "RichEdit50W", false},  // the info box, whichever version
        {true, "RICHEDIT50W", false},
        {true, "RichEdit20W", false},
        {false, "QuorvaneDescriptionWindow", false},
        {false, "Edit", false},  // the description window's text box
        {true, "QuorvaneSplitter", true},
        {true, "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(acceleratorsAct(c.forPanel, c.windowClass), c.act) << c.forPanel << " " << c.windowClass;
    }
}

}  // namespace
}  // namespace quorvane::shell
