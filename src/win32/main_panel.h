#pragma once
// The panel's window: the top-level window with its menu bar, the command
// tree, the splitter and the info box. It only turns window messages into
// calls of its listener.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "platform/types.h"
#include "shell/panel_layout.h"
#include "win32/tray_icon.h"

namespace quorvane::win32 {

inline constexpr wchar_t kPanelClass[] = L"QuorvanePanel";

class PanelListener {
public:
    virtual void onCommand(int commandId) = 0;
    virtual void onTimer(UINT_PTR timerId) = 0;
    virtual void onLeftButtonPressed(Point screen, DWORD time) = 0;
    virtual void onActivated() = 0;
    virtual void onTrayEvent(shell::TrayEvent event) = 0;
    // The pointer moved over the panel or one of its controls.
    virtual void onPointerOver() = 0;
    virtual void onClientResized(int width, int height) = 0;
    // The panel's outer rectangle moved (WM_MOVE).
    virtual void onMoved() = 0;
    // The splitter bar is being dragged; its new top in client pixels.
    virtual void onSplitterDragged(int top) = 0;
    // WM_DPICHANGED: the new DPI and the outer rectangle the system proposes.
    virtual void onDpiChanged(int dpi, const Rect& suggested) = 0;
    // A notification of the command tree; nullopt leaves it to the default handling.
    virtual std::optional<LRESULT> onTreeNotify(const NMHDR& header) = 0;
    // WM_RENDERFORMAT, WM_RENDERALLFORMATS, WM_DESTROYCLIPBOARD: the panel owns
    // the clipboard while a paste offers its text. True when handled.
    virtual bool onClipboardMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The panel is about to be destroyed; its controls still exist.
    virtual void onDestroying() = 0;

protected:
    ~PanelListener() = default;
};

class MainPanel {
public:
    MainPanel() = default;
    ~MainPanel();
    MainPanel(const MainPanel&) = delete;
    MainPanel& operator=(const MainPanel&) = delete;

    // Creates the panel and its controls at their designed places, not shown yet.
    bool create(HINSTANCE instance, PanelListener& listener);
    // Puts a procedure in front of the panel's own that reports the pointer.
    void watchPointer();
    void addTrayIcon();
    // The tray menu at the pointer; the chosen item arrives as WM_COMMAND.
    void popUpTrayMenu();
    void placeControls(const ControlPlaces& places);
    // "命令(&M)" as the tree's context menu, at a screen point.
    void popUpCommandMenu(Point screen);

    HWND hwnd() const { return window_; }
    HMENU menuBar() const { return menuBar_; }
    HACCEL accelerators() const { return accelerators_; }
    HFONT font() const { return font_; }
    HWND tree() const { return tree_; }
    HWND infoBox() const { return infoBox_; }

    // Every message of the panel, through ownedWindowProc.
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK pointerWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::optional<LRESULT> onNotify(const NMHDR& header);
    void createControls(HINSTANCE instance);
    void popUp(HMENU menu, POINT screen);
    // The tree's and the info box's font, made for `dpi`.
    void useControlsFontFor(UINT dpi);

    PanelListener* listener_ = nullptr;
    HWND window_ = nullptr;
    HWND tree_ = nullptr;
    HWND splitter_ = nullptr;
    HWND infoBox_ = nullptr;
    // The control that had the focus when the panel was last deactivated.
    HWND focusedChild_ = nullptr;
    HMENU menuBar_ = nullptr;
    HMENU infoBoxMenu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HFONT font_ = nullptr;
    // The controls' font after the panel moved to a monitor of another DPI;
    // font_ stays as it is, since other windows share it.
    HFONT controlsFont_ = nullptr;
    HIMAGELIST treeImages_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // The procedure the panel had before the pointer watch; every message ends there.
    WNDPROC previousPanelProc_ = nullptr;
    TrayIcon trayIcon_;
    UINT taskbarCreatedMessage_ = 0;
};

}  // namespace quorvane::win32
