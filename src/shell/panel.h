#pragma once
// The panel's core: owns every feature and answers what the window layer
// reports (a menu command, a timer tick, a tree event, a mouse or tray
// event), so the window layer decides nothing. One object per run; the
// whole-panel tests build it with fakes of every platform interface.
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string_view>

#include "editor_link/editor_link.h"
#include "hints/hint_words.h"
#include "hints/typing_hints.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/description_window_view.h"
#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/hint_popup_view.h"
#include "platform/keyboard_hook.h"
#include "platform/messages.h"
#include "platform/mouse_hook.h"
#include "platform/panel_view.h"
#include "platform/starter_hints.h"
#include "platform/system_shell.h"
#include "platform/text_codec.h"
#include "platform/timer.h"
#include "platform/tree_control.h"
#include "platform/wall_clock.h"
#include "settings/settings_window.h"
#include "shell/automatic_backups.h"
#include "shell/description_window.h"
#include "shell/docking.h"
#include "shell/lifecycle.h"
#include "shell/menu_layout.h"
#include "shell/panel_layout.h"
#include "templates/code_templates.h"
#include "tree/library_editing.h"
#include "tree/library_transfer.h"
#include "tree/tree_interaction.h"
#include "tree/tree_mirror.h"
#include "tree/tree_model.h"

namespace quorvane::shell {

// One timer per entry of kPanelTimers, by PanelTimer; their ticks come back
// through Panel::onTimer.
using PanelTimers = std::array<Timer*, kPanelTimers.size()>;

// Everything of the desktop the panel's features use. All outlive the Panel.
struct PanelPlatform {
    Desktop& desktop;
    Clipboard& clipboard;
    Clock& clock;
    const TextCodec& codec;
    Messages& messages;
    PanelView& panel;
    TreeControl& tree;
    InfoBoxView& infoBox;
    DescriptionWindowView& descriptionWindow;
    FormHost& forms;
    MouseHook& mouseHook;
    SystemShell& system;
    PanelTimers timers;
    KeyboardHook& keyboardHook;
    HintPopupView& hintPopup;
    StarterHints& starterHints;
    FileDialogs& fileDialogs;
    WallClock& wallClock;
};

class Panel {
public:
    // `runDirectory` holds the executable; the library and the settings file live there.
    Panel(std::filesystem::path runDirectory, const PanelPlatform& platform);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The start-up sequence; then the tree is shown, the timers start and the
    // panel appears. False when the program is to end (the user has been told).
    bool startUp();
    // The panel is about to be destroyed; runs once, and only after a start-up.
    void shutDown();

    // False for a menu item whose feature does not exist (yet): it does nothing.
    bool handles(MenuCommand command) const;
    void onMenuCommand(MenuCommand command);
    void onTimer(PanelTimer timer);
    // The mouse hook saw the left button go down, at `time` on the system's millisecond counter.
    void onLeftButtonPressed(Point screen, std::uint32_t time);
    // The keyboard hook's call for every key event on the desktop.
    KeyVerdict onKey(const KeyEvent& event);
    void onActivated();
    void onTrayEvent(TrayEvent event);
    void onPointerOverPanel();
    void onClientResized(int width, int height);
    // The panel's outer rectangle moved.
    void onPositionChanged();
    // The user dragged the splitter bar; `top` is its new top in client pixels.
    void onSplitterDragged(int top);
    // The panel is now on a monitor of `dpi`; `suggested` is the outer
    // rectangle the system proposes for it there.
    void onDpiChanged(int dpi, const Rect& suggested);
    // The user closes the description window; it is destroyed afterwards.
    void onDescriptionWindowClosing();
    TreeControlEvents& treeEvents() { return mirror_; }
    HintPopupEvents& hintPopupEvents() { return typingHints_; }

    Lifecycle& lifecycle() { return lifecycle_; }
    // The scale of the panel's monitor, for every window of the panel that
    // lays out designed sizes.
    const DpiScale& scale() const { return lifecycle_.scale(); }
    tree::TreeModel& commandTree() { return model_; }
    const hints::TypingHints& typingHints() const { return typingHints_; }

private:
    using Handler = std::function<void()>;
    void connectMenuCommands();
    void connectSeams(const PanelPlatform& platform);
    // What start-up found that the user should know, in the info box.
    void showNotices();
    void onTreeKey(TreeKey key);
    // Before a change that removes more than one row; a failure shows in the info box.
    void backUpBeforeChange();
    Timer& timer(PanelTimer which) const { return *timers_[static_cast<std::size_t>(which)]; }

    PanelView& panel_;
    Messages& messages_;
    MouseHook& mouseHook_;
    FormHost& forms_;
    SystemShell& system_;
    PanelTimers timers_;
    Lifecycle lifecycle_;
    tree::TreeModel model_;
    editor_link::EditorLink editorLink_;
    templates::CodeTemplates codeTemplates_;
    DescriptionWindow descriptions_;
    tree::TreeInteraction treeInteraction_;
    tree::TreeMirror mirror_;
    Docking docking_;
    hints::TypingHints typingHints_;
    hints::HintWords hintWords_;
    settings::OptionSwitches optionSwitches_;
    ControlPlaces places_ = kDesignedPlaces;
    std::map<MenuCommand, Handler> menuHandlers_;
    // The client area the places were last laid out for.
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    AutomaticBackups backups_;
    tree::LibraryEditing editing_;
    tree::LibraryTransfer transfer_;
};

}  // namespace quorvane::shell
