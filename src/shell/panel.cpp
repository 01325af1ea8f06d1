#include "shell/panel.h"

#include <optional>

#include "hints/hint_words_file.h"
#include "shell/about_window.h"
#include "tree/tree_loader.h"

namespace quorvane::shell {

Panel::Panel(std::filesystem::path runDirectory, const PanelPlatform& platform)
    : panel_(platform.panel),
      messages_(platform.messages),
      mouseHook_(platform.mouseHook),
      forms_(platform.forms),
      system_(platform.system),
      timers_(platform.timers),
      lifecycle_(std::move(runDirectory), platform.codec, platform.panel, platform.messages),
      editorLink_(platform.desktop, platform.clipboard, platform.clock, platform.codec, platform.messages,
                  timer(PanelTimer::Send)),
      codeTemplates_(editorLink_, platform.forms),
      descriptions_(platform.descriptionWindow, platform.infoBox, platform.panel, lifecycle_.settings(),
                    lifecycle_.scale()),
      treeInteraction_(model_, lifecycle_.commandDb(), timer(PanelTimer::ClickCheck), descriptions_,
                       platform.messages, lifecycle_.options(), editorLink_),
      mirror_(model_, platform.tree, treeInteraction_, [this](Point screen) { panel_.popUpCommandMenu(screen); },
              [this](TreeKey key) { onTreeKey(key); }),
      docking_(platform.panel, platform.desktop, platform.clock, timer(PanelTimer::Shrink),
               lifecycle_.geometry(), lifecycle_.scale(), lifecycle_.settings()),
      typingHints_({platform.desktop, platform.keyboardHook, platform.mouseHook, platform.hintPopup, platform.clock,
                    platform.codec, platform.panel},
                   lifecycle_.commandDb(), editorLink_, lifecycle_.options(),
                   commandId(MenuCommand::ToggleCursorTracking), lifecycle_.scale()),
      hintWords_(platform.forms, platform.messages, platform.fileDialogs, lifecycle_.commandDb(), platform.codec),
      optionSwitches_(platform.forms, platform.panel, lifecycle_.settings(), lifecycle_.options(), optionMenuItems(),
                      [this] { typingHints_.loadPopupIfNeeded(); }),
      backups_(lifecycle_.libraryPath(), platform.wallClock),
      editing_(model_, lifecycle_.commandDb(), platform.forms, platform.messages, [this] { backUpBeforeChange(); }),
      transfer_(model_, lifecycle_.commandDb(), platform.fileDialogs, platform.messages,
                [this] { backUpBeforeChange(); }) {
    places_ = rescaled(places_, DpiScale(), lifecycle_.scale());
    connectSeams(platform);
    connectMenuCommands();
}

void Panel::connectSeams(const PanelPlatform& platform) {
    LifecycleSeams& seams = lifecycle_.seams;
    // Filled with nobody watching: a big library loads fastest unobserved.
    seams.loadCommandTree = [this] {
        tree::loadCommandTree(model_, lifecycle_.commandDb(), lifecycle_.settings());
    };
    seams.selectedCategoryNumber = [this]() -> std::optional<int> {
        const int category = model_.currentCategoryItem();
        if (category < 0) return std::nullopt;
        return model_.value(category);
    };
    seams.showDescriptionWindow = [this] { descriptions_.show(); };
    seams.expandPanel = [this](bool keepTimerStopped) { docking_.expandPanel(keepTimerStopped); };
    seams.placeBeforeShrink = [this] { return docking_.placeBeforeShrink(); };
    seams.starterHintWords = [&starterHints = platform.starterHints, &codec = platform.codec] {
        return hints::starterHintWords(starterHints.text(), codec);
    };
    seams.loadHintPopup = [this] { typingHints_.loadPopup(); };
    seams.installKeyboardWatcher = [this] { typingHints_.installKeyboardWatcher(); };
    seams.removeKeyboardWatcher = [this] { typingHints_.removeKeyboardWatcher(); };
    seams.destroyHintPopup = [this] { typingHints_.destroyPopup(); };
}

void Panel::connectMenuCommands() {
    using templates::StatementTemplate;
    const auto on = [this](MenuCommand command, Handler handler) { menuHandlers_[command] = std::move(handler); };
    const auto insert = [this, &on](MenuCommand command, StatementTemplate id) {
        on(command, [this, id] { codeTemplates_.insertTemplate(id); });
    };
    insert(MenuCommand::LoopWhile, StatementTemplate::While);
    insert(MenuCommand::LoopFor, StatementTemplate::For);
    insert(MenuCommand::LoopDoWhile, StatementTemplate::DoWhile);
    insert(MenuCommand::LoopForEach, StatementTemplate::ForEach);
    insert(MenuCommand::ConditionIf, StatementTemplate::If);
    insert(MenuCommand::ConditionIfElse, StatementTemplate::IfElse);
    insert(MenuCommand::ConditionIfElseIf, StatementTemplate::IfElseIf);
    insert(MenuCommand::ConditionSwitch, StatementTemplate::Switch);
    on(MenuCommand::InsertFunction, [this] { codeTemplates_.insertFunction(); });
    on(MenuCommand::InsertVariable, [this] { codeTemplates_.insertVariable(); });
    on(MenuCommand::InsertClass, [this] { codeTemplates_.insertClass(); });
    on(MenuCommand::InsertStruct, [this] { codeTemplates_.insertStruct(); });

    on(MenuCommand::OpenSettings, [this] { optionSwitches_.showSettingsWindow(); });
    on(MenuCommand::AddCommandHint, [this] { hintWords_.enterWords(); });
    on(MenuCommand::ImportCommandHints, [this] { hintWords_.importChosenFile(); });
    on(MenuCommand::ToggleCommandHints, [this] { optionSwitches_.toggleCommandHints(); });
    on(MenuCommand::ToggleCursorTracking, [this] { optionSwitches_.toggleCursorTracking(); });

    on(MenuCommand::FindCommand, [this] { treeInteraction_.findCommand(); });
    on(MenuCommand::AddCommand, [this] { editing_.commands().addCommand(); });
    on(MenuCommand::ModifyCommand, [this] { editing_.commands().modifyCommand(); });
    on(MenuCommand::DeleteItem, [this] { editing_.deleteSelected(); });
    on(MenuCommand::AddCategory, [this] { editing_.categories().addCategory(tree::CategoryPlace::Beside); });
    on(MenuCommand::AddSubcategory, [this] { editing_.categories().addCategory(tree::CategoryPlace::Inside); });
    on(MenuCommand::EditCategoryDescription, [this] { editing_.categories().editDescription(); });
    on(MenuCommand::RenameCategory, [this] { editing_.categories().rename(); });
    on(MenuCommand::ExportLibrary, [this] { transfer_.exportLibrary(); });
    on(MenuCommand::ImportLibrary, [this] { transfer_.importLibrary(); });
    on(MenuCommand::UsageNote, [this] { showUsageNote(messages_); });
    on(MenuCommand::About, [this] { showAboutWindow(forms_, system_, messages_, lifecycle_.runDirectory()); });
    for (const MenuCommand command :
         {MenuCommand::CopySelection, MenuCommand::SelectAllCopy, MenuCommand::ShowInNewWindow}) {
        on(command, [this, command] { descriptions_.onInfoBoxMenu(command); });
    }
    on(MenuCommand::TrayShow, [this] { lifecycle_.callUpPanel(); });
    on(MenuCommand::TrayExit, [this] { panel_.close(); });
}

bool Panel::startUp() {
    if (!lifecycle_.startUp()) return false;
    if (std::optional<std::string> failure = backups_.backUp()) lifecycle_.addNotice(std::move(*failure));
    model_.setObserver(&mirror_);
    mirror_.rebuild();
    // The presses and the timers start with the running panel: no tick can
    // meet a library that failed to open. Without the hook no editor can be
    // chosen; the user learns that when a delivery finds no target.
    mouseHook_.install();
    for (const TimerDesign& design : kPanelTimers) timer(design.timer).setPeriod(design.period);
    showNotices();
    panel_.show();
    return true;
}

void Panel::showNotices() {
    std::string text;
    for (const std::string& notice : lifecycle_.notices()) {
        if (!text.empty()) text += "\r\n";
        text += notice;
    }
    if (!text.empty()) descriptions_.setInfoText(text);
}

void Panel::shutDown() {
    if (lifecycle_.stage() != Lifecycle::Stage::Running) return;
    lifecycle_.shutDown();
    mouseHook_.remove();
    for (Timer* each : timers_) each->setPeriod(0);
}

bool Panel::handles(MenuCommand command) const {
    return menuHandlers_.count(command) != 0;
}

void Panel::onMenuCommand(MenuCommand command) {
    if (lifecycle_.stage() != Lifecycle::Stage::Running) return;
    if (const auto found = menuHandlers_.find(command); found != menuHandlers_.end()) found->second();
}

void Panel::onTimer(PanelTimer which) {
    if (lifecycle_.stage() != Lifecycle::Stage::Running) return;
    switch (which) {
        case PanelTimer::Tracking:
            editorLink_.onTrackingTick();
            typingHints_.watchKeyboardHook();
            break;
        case PanelTimer::Send:
            editorLink_.onSendTick();
            break;
        case PanelTimer::ClickCheck:
            treeInteraction_.showDescription();
            break;
        case PanelTimer::Shrink:
            docking_.onShrinkTick();
            break;
    }
}

void Panel::onLeftButtonPressed(Point screen, std::uint32_t time) {
    editorLink_.leftButtonPressed(screen, time);
}

KeyVerdict Panel::onKey(const KeyEvent& event) {
    if (lifecycle_.stage() != Lifecycle::Stage::Running) return KeyVerdict::Pass;
    return typingHints_.onKey(event);
}

void Panel::onActivated() {
    lifecycle_.onActivated();
}

void Panel::onTrayEvent(TrayEvent event) {
    lifecycle_.onTrayEvent(event);
}

void Panel::onPointerOverPanel() {
    lifecycle_.onPointerOverPanel();
}

void Panel::onClientResized(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    places_ = layoutForClientSize(places_, width, height);
    panel_.placeControls(places_);
    // The settings' own resize at start-up is not the user's.
    if (lifecycle_.stage() == Lifecycle::Stage::Running) docking_.onSizeChanged();
}

void Panel::onPositionChanged() {
    if (lifecycle_.stage() == Lifecycle::Stage::Running) docking_.onPositionChanged();
}

void Panel::onSplitterDragged(int top) {
    places_ = layoutForSplitterAt(places_, clientHeight_, top);
    panel_.placeControls(places_);
}

void Panel::onDpiChanged(int dpi, const Rect& suggested) {
    const DpiScale before = lifecycle_.scale();
    lifecycle_.scale() = DpiScale(dpi);
    places_ = rescaled(places_, before, lifecycle_.scale());
    // The system's rectangle keeps the panel under the pointer while it is
    // dragged across; the resize it causes lays the controls out, and the
    // layout below covers a rectangle that kept its size.
    panel_.setBounds(suggested);
    places_ = layoutForClientSize(places_, clientWidth_, clientHeight_);
    panel_.placeControls(places_);
}

void Panel::onTreeKey(TreeKey key) {
    if (lifecycle_.stage() != Lifecycle::Stage::Running) return;
    switch (key) {
        case TreeKey::F2:
            editing_.renameSelectedCategory();
            break;
        case TreeKey::Delete:
            editing_.deleteSelected();
            break;
        case TreeKey::Enter:
            treeInteraction_.deliverSelected();
            break;
    }
}

void Panel::backUpBeforeChange() {
    if (const std::optional<std::string> failure = backups_.backUp()) descriptions_.setInfoText(*failure);
}

void Panel::onDescriptionWindowClosing() {
    descriptions_.closing();
}

}  // namespace quorvane::shell
