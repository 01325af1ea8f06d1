#include "shell/menu_layout.h"

namespace quorvane::shell {
namespace {

MenuEntry item(std::string text, MenuCommand command, std::optional<Shortcut> shortcut = std::nullopt) {
    return {MenuEntry::Kind::Command, std::move(text), command, shortcut, {}};
}

MenuEntry separator() {
    return {MenuEntry::Kind::Separator, {}, {}, std::nullopt, {}};
}

MenuEntry submenu(std::string text, std::vector<MenuEntry> entries) {
    return {MenuEntry::Kind::Submenu, std::move(text), {}, std::nullopt, std::move(entries)};
}

std::vector<Menu> makeMenuBar() {
    using C = MenuCommand;
    return {
        {"命令(&M)",
         {
             item("添加", C::AddCommand, Shortcut{'T'}),
             item("修改", C::ModifyCommand),
             item("删除", C::DeleteItem),
             separator(),
             // Shows Ctrl+F, but the key finds a command: searching is
             // the frequent action, adding a category a rare one.
             item("添加分类", C::AddCategory, Shortcut{'F', false}),
             item("添加子类", C::AddSubcategory),
             item("修改分类说明...", C::EditCategoryDescription),
             item("重命名", C::RenameCategory),
             separator(),
             item("查找命令", C::FindCommand, Shortcut{'F'}),
             separator(),
             item("导出命令库...", C::ExportLibrary),
             item("导入命令库...", C::ImportLibrary),
         }},
        {"插入(&C)",
         {
             item("函数", C::InsertFunction, Shortcut{'H'}),
             item("变量", C::InsertVariable, Shortcut{'B'}),
             item("类", C::InsertClass, Shortcut{'A'}),
             item("数据类型", C::InsertStruct, Shortcut{'S'}),
             submenu("循环",
                     {
                         item("while", C::LoopWhile),
                         item("for", C::LoopFor),
                         item("do while", C::LoopDoWhile),
                         item("for each", C::LoopForEach),
                     }),
             submenu("条件",
                     {
                         item("if", C::ConditionIf),
                         item("if…else", C::ConditionIfElse),
                         item("if…else if", C::ConditionIfElseIf),
                         item("switch", C::ConditionSwitch),
                     }),
         }},
        {"功能(&G)",
         {
             item("系统设置", C::OpenSettings),
             item("添加命令提示", C::AddCommandHint),
             item("导入命令提示...", C::ImportCommandHints),
             item("命令提示", C::ToggleCommandHints),
             item("光标跟踪", C::ToggleCursorTracking),
         }},
        {"帮助(&B)",
         {
             item("说明", C::UsageNote),
             item("关于", C::About),
         }},
    };
}

void collectCommands(const std::vector<MenuEntry>& entries, std::vector<MenuCommand>& out) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command) out.push_back(entry.command);
        collectCommands(entry.submenu, out);
    }
}

void collectAccelerators(const std::vector<MenuEntry>& entries, std::vector<Accelerator>& out) {
    for (const MenuEntry& entry : entries) {
        if (entry.shortcut && entry.shortcut->triggers) out.push_back({entry.shortcut->key, entry.command});
        collectAccelerators(entry.submenu, out);
    }
}

}  // namespace

const std::vector<Menu>& menuBar() {
    static const std::vector<Menu> bar = makeMenuBar();
    return bar;
}

const Menu& infoBoxMenu() {
    static const Menu menu{"编框",
                           {
                               item("复制", MenuCommand::CopySelection),
                               item("全选复制", MenuCommand::SelectAllCopy),
                               separator(),
                               item("在新窗口中显示", MenuCommand::ShowInNewWindow),
                           }};
    return menu;
}

const Menu& trayMenu() {
    static const Menu menu{"托盘",
                           {
                               item("显示", MenuCommand::TrayShow),
                               item("退出", MenuCommand::TrayExit),
                           }};
    return menu;
}

std::optional<MenuCommand> commandFromId(int id) {
    static const std::vector<MenuCommand> all = [] {
        std::vector<MenuCommand> commands;
        for (const Menu& menu : menuBar()) collectCommands(menu.entries, commands);
        collectCommands(infoBoxMenu().entries, commands);
        collectCommands(trayMenu().entries, commands);
        return commands;
    }();
    for (MenuCommand command : all) {
        if (commandId(command) == id) return command;
    }
    return std::nullopt;
}

std::string shortcutText(const Shortcut& shortcut) {
    return std::string("Ctrl+") + shortcut.key;
}

std::string menuItemText(const MenuEntry& entry) {
    if (!entry.shortcut) return entry.text;
    return entry.text + '\t' + shortcutText(*entry.shortcut);
}

bool acceleratorsAct(bool keyForPanel, std::string_view windowClass) {
    if (!keyForPanel) return false;
    const auto folded = [](std::string_view text) {
        std::string lower(text);
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return lower;
    };
    const std::string name = folded(windowClass);
    // The system's edit control and every version of the rich edit control.
    const bool editBox = name == "edit" || name.rfind("richedit", 0) == 0;
    return !editBox;
}

std::vector<Accelerator> acceleratorTable() {
    std::vector<Accelerator> table;
    for (const Menu& menu : menuBar()) collectAccelerators(menu.entries, table);
    collectAccelerators(infoBoxMenu().entries, table);
    return table;
}

}  // namespace quorvane::shell
