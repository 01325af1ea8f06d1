#include "win32/app.h"

#include <commctrl.h>

#include <filesystem>
#include <string>

namespace quorvane::win32 {

struct App::Parts {
    explicit Parts(App& app)
        : clipboard(app.panel_.hwnd()),
          forms(app.panel_.hwnd()),
          fileDialogs(app.panel_.hwnd()),
          tree(app.panel_.tree()),
          infoBox(app.panel_.infoBox()),
          descriptionWindow(app.instance_, app.panel_.hwnd(), app.panel_.font()),
          mouseHook(app.panel_.hwnd()),
          hintPopup(app.instance_),
          timers{std::make_unique<WinTimer>(app.panel_, shell::PanelTimer::Tracking),
                 std::make_unique<WinTimer>(app.panel_, shell::PanelTimer::Send),
                 std::make_unique<WinTimer>(app.panel_, shell::PanelTimer::ClickCheck),
                 std::make_unique<WinTimer>(app.panel_, shell::PanelTimer::Shrink)},
          core(app.runDirectory_, shell::PanelPlatform{app.desktop_, clipboard, app.clock_, app.codec_, app.messages_,
                                                    app.panelView_, tree, infoBox, descriptionWindow,
                                                    forms, mouseHook, app.system_, timerPointers(), keyboardHook,
                                                    hintPopup, app.starterHints_, fileDialogs, wallClock}) {}

    shell::PanelTimers timerPointers() {
        shell::PanelTimers pointers{};
        for (size_t i = 0; i < timers.size(); ++i) pointers[i] = timers[i].get();
        return pointers;
    }

    // ~App destroys the panel before this: WM_RENDERALLFORMATS, sent while the
    // panel goes, still finds the clipboard.
    WinClipboard clipboard;
    WinFormHost forms;
    WinFileDialogs fileDialogs;
    WinTreeControl tree;
    WinInfoBox infoBox;
    WinDescriptionWindow descriptionWindow;
    WinMouseHook mouseHook;
    WinKeyboardHook keyboardHook;
    WinHintPopup hintPopup;
    WinWallClock wallClock;
    std::array<std::unique_ptr<WinTimer>, shell::kPanelTimers.size()> timers;
    shell::Panel core;
};

App::App(HINSTANCE instance, std::filesystem::path runDirectory)
    : instance_(instance), runDirectory_(std::move(runDirectory)) {}

App::~App() {
    // A panel still standing would report its destruction to members already gone.
    if (panel_.hwnd() != nullptr) DestroyWindow(panel_.hwnd());
}

void App::createParts() {
    parts_ = std::make_unique<Parts>(*this);
    parts_->descriptionWindow.setClosingHandler([this] { parts_->core.onDescriptionWindowClosing(); });
    parts_->keyboardHook.setHandler([this](const KeyEvent& event) { return parts_->core.onKey(event); });
    parts_->hintPopup.setEvents(&parts_->core.hintPopupEvents());
    // The first layout: the places are for a frame of the default size; the
    // core fits them to this system's client area.
    RECT client{};
    GetClientRect(panel_.hwnd(), &client);
    parts_->core.onClientResized(client.right, client.bottom);
}

int App::run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    if (!panel_.create(instance_, *this)) return 1;
    messages_.setOwner(panel_.hwnd());
    pump_.setAccelerators(panel_.hwnd(), panel_.accelerators());
    createParts();
    if (!parts_->core.startUp()) {
        // The user has been told; the shut-down sequence does not run.
        DestroyWindow(panel_.hwnd());
        return 1;
    }
    UpdateWindow(panel_.hwnd());
    return pump_.run();
}

void App::onCommand(int commandId) {
    if (!parts_) return;
    if (const auto command = shell::commandFromId(commandId)) parts_->core.onMenuCommand(*command);
}

void App::onTimer(UINT_PTR timerId) {
    if (!parts_) return;
    if (const auto which = timerFromId(timerId)) parts_->core.onTimer(*which);
}

void App::onLeftButtonPressed(Point screen, DWORD time) {
    if (parts_) parts_->core.onLeftButtonPressed(screen, time);
}

void App::onActivated() {
    if (parts_) parts_->core.onActivated();
}

void App::onTrayEvent(shell::TrayEvent event) {
    if (parts_) parts_->core.onTrayEvent(event);
}

void App::onPointerOver() {
    if (parts_) parts_->core.onPointerOverPanel();
}

void App::onClientResized(int width, int height) {
    if (parts_) parts_->core.onClientResized(width, height);
}

void App::onMoved() {
    if (parts_) parts_->core.onPositionChanged();
}

void App::onSplitterDragged(int top) {
    if (parts_) parts_->core.onSplitterDragged(top);
}

void App::onDpiChanged(int dpi, const Rect& suggested) {
    if (parts_) parts_->core.onDpiChanged(dpi, suggested);
}

std::optional<LRESULT> App::onTreeNotify(const NMHDR& header) {
    if (!parts_) return std::nullopt;
    return parts_->tree.handleNotify(header, parts_->core.treeEvents());
}

bool App::onClipboardMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return parts_ && parts_->clipboard.handleMessage(message, wParam, lParam);
}

void App::onDestroying() {
    if (parts_) parts_->core.shutDown();
}

}  // namespace quorvane::win32
