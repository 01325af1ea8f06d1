#include "win32/panel_menus.h"

#include <vector>

#include "win32/win_text.h"

namespace quorvane::win32 {
namespace {

void appendEntries(HMENU menu, const std::vector<shell::MenuEntry>& entries) {
    for (const shell::MenuEntry& entry : entries) {
        switch (entry.kind) {
            case shell::MenuEntry::Kind::Separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case shell::MenuEntry::Kind::Command:
                AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(shell::commandId(entry.command)),
                            toUtf16(shell::menuItemText(entry)).c_str());
                break;
            case shell::MenuEntry::Kind::Submenu: {
                HMENU submenu = CreatePopupMenu();
                appendEntries(submenu, entry.submenu);
                AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), toUtf16(entry.text).c_str());
                break;
            }
        }
    }
}

}  // namespace

HMENU buildMenuBar() {
    HMENU bar = CreateMenu();
    for (const shell::Menu& menu : shell::menuBar()) {
        HMENU popup = CreatePopupMenu();
        appendEntries(popup, menu.entries);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), toUtf16(menu.title).c_str());
    }
    return bar;
}

HMENU buildPopupMenu(const shell::Menu& menu) {
    HMENU popup = CreatePopupMenu();
    appendEntries(popup, menu.entries);
    return popup;
}

HACCEL buildAccelerators() {
    std::vector<ACCEL> table;
    for (const shell::Accelerator& accelerator : shell::acceleratorTable()) {
        table.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(accelerator.key),
                         static_cast<WORD>(shell::commandId(accelerator.command))});
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace quorvane::win32
