#pragma once
// The whole panel, natively: the core panel wired with a fake of every
// platform interface and a real library file in a temporary folder. Tests
// drive it the way the window layer does (menu commands, tree events, timer
// ticks, mouse presses) and check what the fakes recorded.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_description_window.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_form_host.h"
#include "fakes/fake_hint_popup_view.h"
#include "fakes/fake_keyboard_hook.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_mouse_hook.h"
#include "fakes/fake_panel_view.h"
#include "fakes/fake_starter_hints.h"
#include "fakes/fake_system_shell.h"
#include "fakes/fake_text_codec.h"
#include "fakes/fake_tree_control.h"
#include "fakes/fake_wall_clock.h"
#include "fakes/library_rows.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"
#include "settings/settings_keys.h"
#include "shell/panel.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::testing {

class PanelWorld {
public:
    enum class Library { Empty, Missing };

    explicit PanelWorld(Library library = Library::Empty) {
        for (const shell::TimerDesign& design : shell::kPanelTimers) {
            timers[static_cast<std::size_t>(design.timer)] =
                &clock.makeTimer([this, which = design.timer] { panel->onTimer(which); });
        }
        // What a focused editor does on Ctrl+V: it takes the clipboard's text.
        desktop.onCtrlV = [this] { clipboard.paste(); };
        // The panel's moves and resizes reach the core as the window layer reports them.
        panelView.onMoved = [this] {
            if (panel) panel->onPositionChanged();
        };
        panelView.onResized = [this] {
            if (panel) panel->onClientResized(panelView.rect.width, panelView.rect.height);
        };
        if (library == Library::Empty) {
            EXPECT_TRUE(store::createLibrary(libraryPath(), store::kLibraryPassword));
            EXPECT_TRUE(db.Open(control, libraryPath(), store::kLibraryPassword));
        }
    }

    std::filesystem::path libraryPath() const { return dir / store::kLibraryFileName; }
    std::filesystem::path settingsPath() const { return dir / settings::kSettingsFileName; }

    // The panel and its start-up; false when the program is to end.
    bool start() {
        panel = std::make_unique<shell::Panel>(
            dir.path(), shell::PanelPlatform{desktop, clipboard, clock, codec, messages, panelView, tree, infoBox,
                                             descriptionWindow, forms, mouseHook, system, timers, keyboardHook,
                                             hintPopup, starterHints, fileDialogs, wallClock});
        tree.events = &panel->treeEvents();
        // The first layout, as the window layer reports the client area it was created with.
        panel->onClientResized(panelView.rect.width, panelView.rect.height);
        return panel->startUp();
    }

    void menu(shell::MenuCommand command) { panel->onMenuCommand(command); }
    // Time enough for the click, send and paste timers to have done their work.
    void settle() { clock.advance(2000); }

    // A press into an IDE window, as a user makes it, far enough from the
    // last press for the tracking gate; then the tracking tick takes it.
    void clickInto(WindowHandle window) {
        clock.advance(editor_link::kTrackingGateMs);
        panel->onLeftButtonPressed(desktop.spotOf(window), clock.tickCount());
        clock.advance(50);
    }

    // The tree item on screen with this label; fails the test when there is none.
    TreeControlItem item(const std::string& label) {
        const TreeControlItem found = tree.find(label);
        EXPECT_NE(found, 0u) << "no item labelled " << label << " in\n" << tree.outline();
        return found;
    }
    void click(const std::string& label) {
        tree.click(item(label));
        clock.advance(50);
    }

    std::string setting(const char* section, const char* key) const {
        return settings::IniFile(settingsPath(), codec).read(section, key, "<absent>");
    }

    fakes::TempDir dir;
    fakes::FakeClock clock;
    fakes::FakeDesktop desktop{&clock};
    fakes::FakeClipboard clipboard{&clock};
    fakes::FakeTextCodec codec;
    fakes::FakeMessages messages;
    fakes::FakePanelView panelView;
    fakes::FakeTreeControl tree;
    fakes::FakeInfoBoxView infoBox;
    fakes::FakeDescriptionWindowView descriptionWindow;
    fakes::FakeFormHost forms;
    fakes::FakeMouseHook mouseHook;
    fakes::FakeSystemShell system;
    fakes::FakeKeyboardHook keyboardHook;
    fakes::FakeHintPopupView hintPopup;
    fakes::FakeStarterHints starterHints;
    fakes::FakeFileDialogs fileDialogs;
    shell::PanelTimers timers{};
    fakes::FakeWallClock wallClock;
    // The IDE: a frame holding a classic edit view, and a hosted editor.
    WindowHandle ideFrame = desktop.addWindow("IdeMainFrame");
    WindowHandle classicEditor = desktop.addWindow("Afx:400000:8", ideFrame);
    WindowHandle hostedEditor = desktop.addWindow("HwndWrapper[Ide;;1]", ideFrame);

    // A second connection to the library, for seeding rows before start-up
    // and reading them back.
    store::DbConnection control;
    store::RecordStore db;
    fakes::LibraryRows rows{db};

    std::unique_ptr<shell::Panel> panel;
};

}  // namespace quorvane::testing
