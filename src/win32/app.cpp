#include "win32/app.h"

#include <commctrl.h>

#include <filesystem>
#include <string>

#include "tree/tree_loader.h"

namespace quorvane::win32 {
namespace {

// The directory of the running executable: the user's library and settings live there.
std::filesystem::path runDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
}

}  // namespace

struct App::Features {
    explicit Features(App& app)
        : clipboard(app.panel_.hwnd()),
          editorLink(app.desktop_, clipboard, app.clock_, app.codec_, app.messages_,
                     app.timer(shell::PanelTimer::Tracking), app.timer(shell::PanelTimer::Send)),
          builderDialogs(app.panel_.hwnd(), app.panel_.font()),
          codeTemplates(editorLink, builderDialogs),
          treeView(app.panel_.tree(), app.commandTree_),
          infoBox(app.panel_.infoBox()),
          descriptionWindowView(app.instance_, app.panel_.hwnd(), app.panel_.font()),
          descriptions(descriptionWindowView, infoBox, app.panelView_, app.lifecycle_.settings()),
          treeInteraction(app.commandTree_, app.lifecycle_.commandDb(), app.timer(shell::PanelTimer::ClickCheck),
                          descriptions, app.messages_, app.lifecycle_.options(),
                          [this](const std::string& text, int mode) { editorLink.deliverText(text, mode); }) {}

    // ~App destroys the panel before this: WM_RENDERALLFORMATS, sent while the
    // panel goes, still finds the clipboard.
    WinClipboard clipboard;
    editor_link::EditorLink editorLink;
    WinBuilderDialogs builderDialogs;
    templates::CodeTemplates codeTemplates;
    WinTreeView treeView;
    WinInfoBox infoBox;
    WinDescriptionWindow descriptionWindowView;
    shell::DescriptionWindow descriptions;
    tree::TreeInteraction treeInteraction;
};

App::App(HINSTANCE instance)
    : instance_(instance), lifecycle_(runDirectory(), codec_, panelView_, messages_) {
    for (const shell::TimerDesign& design : shell::kPanelTimers) {
        timers_[static_cast<size_t>(design.timer)] = std::make_unique<WinTimer>(panel_, design.timer);
    }
    connectSeams();
    connectMenuCommands();
    connectTimers();
}

App::~App() {
    // A panel still standing would report its destruction to members already gone.
    if (panel_.hwnd() != nullptr) DestroyWindow(panel_.hwnd());
}

void App::createFeatures() {
    features_ = std::make_unique<Features>(*this);
    Features& f = *features_;
    tree::TreeInteraction& interaction = f.treeInteraction;
    f.treeView.setEvents({
        .selectionChanged = [&interaction](TreeItemId item, SelectionCause cause) {
            interaction.selectionChanged(item, cause);
        },
        .doubleClicked = [&interaction] { interaction.doubleClicked(); },
        .labelEditBegins = [this, &interaction](TreeItemId item) {
            return interaction.labelEditBegins(commandTree_.indexOf(item));
        },
        .labelEditEnds = [this, &interaction](TreeItemId item, const std::optional<std::string>& edited) {
            interaction.labelEditEnds(commandTree_.indexOf(item), edited);
        },
        .rightClickedOverItem = [this](Point screen) { panel_.popUpCommandMenu(screen); },
    });
    f.descriptionWindowView.setClosingHandler([&f] { f.descriptions.closing(); });
    // The model was filled at start-up with nobody watching; the view now shows it in one pass.
    commandTree_.setView(&f.treeView);
    f.treeView.rebuild();
}

void App::connectSeams() {
    shell::LifecycleSeams& seams = lifecycle_.seams;
    seams.subclassPanel = [this] { panel_.subclass(); };
    seams.addTrayIcon = [this] { panel_.addTrayIcon(); };
    seams.loadCommandTree = [this] {
        tree::loadCommandTree(commandTree_, lifecycle_.commandDb(), lifecycle_.settings());
    };
    seams.selectedCategoryNumber = [this]() -> std::optional<int> {
        const int category = commandTree_.currentCategoryItem();
        if (category < 0) return std::nullopt;
        return commandTree_.value(category);
    };
    seams.showDescriptionWindow = [this] { features_->descriptions.show(); };
    // Filled as their subsystems arrive:
    //   installKeyboardWatcher, removeKeyboardWatcher, destroyHintPopup    typing hints
    //   expandPanel    docking
}

void App::connectMenuCommands() {
    using shell::MenuCommand;
    using templates::StatementTemplate;
    const auto insert = [this](MenuCommand command, StatementTemplate id) {
        onMenu(command, [this, id] { features_->codeTemplates.insertTemplate(id); });
    };
    insert(MenuCommand::LoopWhile, StatementTemplate::While);
    insert(MenuCommand::LoopFor, StatementTemplate::For);
    insert(MenuCommand::LoopDoWhile, StatementTemplate::DoWhile);
    insert(MenuCommand::LoopForEach, StatementTemplate::ForEach);
    insert(MenuCommand::ConditionIf, StatementTemplate::If);
    insert(MenuCommand::ConditionIfElse, StatementTemplate::IfElse);
    insert(MenuCommand::ConditionIfElseIf, StatementTemplate::IfElseIf);
    insert(MenuCommand::ConditionSwitch, StatementTemplate::Switch);
    onMenu(MenuCommand::InsertFunction, [this] { features_->codeTemplates.insertFunction(); });
    onMenu(MenuCommand::InsertVariable, [this] { features_->codeTemplates.insertVariable(); });
    onMenu(MenuCommand::InsertClass, [this] { features_->codeTemplates.insertClass(); });
    onMenu(MenuCommand::InsertStruct, [this] { features_->codeTemplates.insertStruct(); });

    onMenu(MenuCommand::FindCommand, [this] { features_->treeInteraction.findCommand(); });
    onMenu(MenuCommand::UsageNote, [this] { shell::showUsageNote(messages_); });
    for (const MenuCommand command :
         {MenuCommand::CopySelection, MenuCommand::SelectAllCopy, MenuCommand::ShowInNewWindow}) {
        onMenu(command, [this, command] { features_->descriptions.onInfoBoxMenu(command); });
    }
}

void App::connectTimers() {
    onTick(shell::PanelTimer::Tracking, [this] { features_->editorLink.onTrackingTick(); });
    onTick(shell::PanelTimer::Send, [this] { features_->editorLink.onSendTick(); });
    onTick(shell::PanelTimer::ClickCheck, [this] { features_->treeInteraction.showDescription(); });
}

int App::run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!panel_.create(instance_, *this)) return 1;
    messages_.setFont(panel_.font());
    pump_.setAccelerators(panel_.hwnd(), panel_.accelerators());

    if (!lifecycle_.startUp()) {
        // The message has been shown; the shut-down sequence does not run.
        DestroyWindow(panel_.hwnd());
        return 1;
    }
    createFeatures();
    // The timers start with the running panel: no tick can meet a library
    // that failed to open.
    for (const shell::TimerDesign& design : shell::kPanelTimers) timer(design.timer).setPeriod(design.period);
    ShowWindow(panel_.hwnd(), SW_SHOW);
    UpdateWindow(panel_.hwnd());
    return pump_.run();
}

void App::onCommand(int commandId) {
    const auto command = shell::commandFromId(commandId);
    if (!command) return;
    if (const auto handler = menuHandlers_.find(*command);
        handler != menuHandlers_.end() && handler->second) {
        handler->second();
    }
}

void App::onTimer(UINT_PTR timerId) {
    const auto which = timerFromId(timerId);
    if (!which) return;
    if (const Handler& handler = timerHandlers_[static_cast<size_t>(*which)]) handler();
}

void App::onActivated() {
    lifecycle_.onActivated();
}

void App::onTrayEvent(shell::TrayEvent event) {
    lifecycle_.onTrayEvent(event);
}

void App::onPointerOver() {
    lifecycle_.onPointerOverPanel();
}

void App::onClientResized(int width, int height) {
    places_ = shell::layoutForClientSize(places_, width, height);
    panel_.placeControls(places_);
}

std::optional<LRESULT> App::onTreeNotify(const NMHDR& header) {
    if (!features_) return std::nullopt;
    return features_->treeView.handleNotify(header);
}

bool App::onClipboardMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return features_ && features_->clipboard.handleMessage(message, wParam, lParam);
}

void App::onDestroying() {
    lifecycle_.shutDown();
    for (auto& t : timers_) t->setPeriod(0);
}

}  // namespace quorvane::win32
