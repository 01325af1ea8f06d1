#include "win32/app.h"

#include <commctrl.h>

#include <filesystem>
#include <string>

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

void App::connectSeams() {
    shell::LifecycleSeams& seams = lifecycle_.seams;
    seams.subclassPanel = [this] { panel_.subclass(); };
    seams.addTrayIcon = [this] { panel_.addTrayIcon(); };
    // Filled as their subsystems arrive:
    //   loadCommandTree, selectedCategoryNumber    the command tree
    //   installKeyboardWatcher, removeKeyboardWatcher, destroyHintPopup    typing hints
    //   expandPanel    docking
    //   showDescriptionWindow    the description window
}

void App::connectMenuCommands() {
    // One line per item as its subsystem arrives, for example:
    //   onMenu(shell::MenuCommand::FindCommand, [this] { treeInteraction_.findCommand(); });
}

void App::connectTimers() {
    // One line per timer as its owner arrives, for example:
    //   onTick(shell::PanelTimer::Tracking, [this] { targetTracker_.tick(); });
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

void App::onDestroying() {
    lifecycle_.shutDown();
    for (auto& t : timers_) t->setPeriod(0);
}

}  // namespace quorvane::win32
