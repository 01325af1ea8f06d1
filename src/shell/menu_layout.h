#pragma once
// The panel's menus as data: the menu bar, the info box's popup and the
// accelerator table all come from here, so the window layer only builds
// what it is given.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::shell {

// One value per menu item. The numbers are the window layer's command ids
// (WM_COMMAND), kept stable so every layer names an item the same way.
enum class MenuCommand : int {
    // "命令(&M)"
    AddCommand = 101,
    ModifyCommand = 102,
    DeleteItem = 103,
    AddCategory = 104,
    AddSubcategory = 105,
    EditCategoryDescription = 106,
    RenameCategory = 107,
    FindCommand = 108,
    ExportLibrary = 109,
    ImportLibrary = 110,
    // "插入(&C)"
    InsertFunction = 201,
    InsertVariable = 202,
    InsertClass = 203,
    InsertStruct = 204,
    LoopWhile = 211,
    LoopFor = 212,
    LoopDoWhile = 213,
    LoopForEach = 214,
    ConditionIf = 221,
    ConditionIfElse = 222,
    ConditionIfElseIf = 223,
    ConditionSwitch = 224,
    // "功能(&G)"
    OpenSettings = 301,
    AddCommandHint = 302,
    ToggleCommandHints = 303,
    ToggleCursorTracking = 304,
    ImportCommandHints = 305,
    // "帮助(&B)"
    UsageNote = 401,
    About = 402,
    // "编框"
    CopySelection = 501,
    SelectAllCopy = 502,
    ShowInNewWindow = 503,
    // The tray icon's menu
    TrayShow = 601,
    TrayExit = 602,
};

inline int commandId(MenuCommand command) {
    return static_cast<int>(command);
}
// The item with that id; nullopt for an id no menu item has.
std::optional<MenuCommand> commandFromId(int id);

// Ctrl + `key` (an upper-case letter or digit). `triggers` is false for an
// item that shows a shortcut which another item owns.
struct Shortcut {
    char key = 0;
    bool triggers = true;
};

struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string text;
    MenuCommand command{};
    std::optional<Shortcut> shortcut;
    std::vector<MenuEntry> submenu;
};

struct Menu {
    std::string title;
    std::vector<MenuEntry> entries;
};

// "命令(&M)", "插入(&C)", "功能(&G)", "帮助(&B)", in that order; the first is
// also the tree's context menu.
const std::vector<Menu>& menuBar();
// "编框": only popped up over the info box, never in the bar.
const Menu& infoBoxMenu();
// The tray icon's right-click menu: "显示", "退出".
const Menu& trayMenu();

// "Ctrl+T"
std::string shortcutText(const Shortcut& shortcut);
// The text a menu shows for an entry: its text, then a tab and the shortcut when it has one.
std::string menuItemText(const MenuEntry& entry);

struct Accelerator {
    char key = 0;  // pressed with Ctrl
    MenuCommand command{};
};
// One accelerator per shortcut that triggers, in menu order.
std::vector<Accelerator> acceleratorTable();

// Whether a key pressed with Ctrl may act as the panel's shortcut. Only keys
// for the panel or one of its controls do, and never while the key goes to
// an edit box (the tree's label editor, the info box): there Ctrl+A, Ctrl+C
// and the like belong to the text. `windowClass` is the class of the window
// the key is for.
bool acceleratorsAct(bool keyForPanel, std::string_view windowClass);

}  // namespace quorvane::shell
