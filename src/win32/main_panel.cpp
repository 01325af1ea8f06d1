#include "win32/main_panel.h"

#include <richedit.h>

#include "win32/panel_images.h"
#include "win32/panel_menus.h"
#include "win32/splitter_bar.h"
#include "win32/themed_border.h"
#include "win32/ui_font.h"
#include "win32/win_dpi.h"
#include "win32/win_text.h"
#include "win32/win_mouse_hook.h"
#include "win32/window_class.h"

namespace quorvane::win32 {
namespace {

constexpr int kTreeId = 101;
constexpr int kSplitterId = 102;
constexpr int kInfoBoxId = 103;

// Msftedit.dll's rich edit where it exists, else the older riched20's. The
// library stays loaded for the life of the process, as the control needs.
const wchar_t* loadRichEditClass() {
    if (LoadLibraryW(L"Msftedit.dll") != nullptr) return MSFTEDIT_CLASS;
    if (LoadLibraryW(L"Riched20.dll") != nullptr) return RICHEDIT_CLASSW;
    return L"EDIT";
}

void moveTo(HWND control, const Rect& r) {
    if (control != nullptr) MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
}

}  // namespace

MainPanel::~MainPanel() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (infoBoxMenu_ != nullptr) DestroyMenu(infoBoxMenu_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    if (treeImages_ != nullptr) ImageList_Destroy(treeImages_);
    if (font_ != nullptr) DeleteObject(font_);
    if (controlsFont_ != nullptr) DeleteObject(controlsFont_);
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

bool MainPanel::create(HINSTANCE instance, PanelListener& listener) {
    listener_ = &listener;
    if (!registerWindowClass(instance, kPanelClass, &ownedWindowProc<MainPanel>, LoadCursorW(nullptr, IDC_ARROW),
                             GetSysColorBrush(COLOR_BTNFACE)) ||
        !registerSplitterClass(instance))
        return false;

    menuBar_ = buildMenuBar();
    const Rect& design = shell::kPanelDesign;
    CreateWindowExW(0, kPanelClass, toUtf16(shell::kPanelCaption).c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, design.left, design.top, design.width,
                    design.height, nullptr, menuBar_, instance, this);
    if (window_ == nullptr) {
        DestroyMenu(menuBar_);
        menuBar_ = nullptr;
        return false;
    }
    infoBoxMenu_ = buildPopupMenu(shell::infoBoxMenu());
    accelerators_ = buildAccelerators();
    font_ = createMessageFont();
    bigIcon_ = createPanelIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = createPanelIcon(GetSystemMetrics(SM_CXSMICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    createControls(instance);
    return true;
}

void MainPanel::createControls(HINSTANCE instance) {
    const ControlPlaces& places = shell::kDesignedPlaces;
    const auto child = [this, instance](DWORD exStyle, const wchar_t* className, DWORD style, int id,
                                        const Rect& r) {
        HWND control = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                       r.width, r.height, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (control != nullptr && font_ != nullptr)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return control;
    };
    tree_ = child(
        WS_EX_CLIENTEDGE, WC_TREEVIEWW,
        WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
        kTreeId, places.tree);
    splitter_ = child(0, kSplitterClass, 0, kSplitterId, places.splitter);
    infoBox_ = child(WS_EX_CLIENTEDGE, loadRichEditClass(),
                     WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kInfoBoxId,
                     places.info);

    treeImages_ = createTreeImages();
    TreeView_SetImageList(tree_, treeImages_, TVSIL_NORMAL);
    // Descriptions are plain text: one that starts with "{\rtf" must not be read as RTF.
    SendMessageW(infoBox_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    // The right button's release reaches the panel as EN_MSGFILTER.
    SendMessageW(infoBox_, EM_SETEVENTMASK, 0, ENM_MOUSEEVENTS);
    useThemedBorder(infoBox_);
}

void MainPanel::placeControls(const ControlPlaces& places) {
    moveTo(tree_, places.tree);
    moveTo(splitter_, places.splitter);
    moveTo(infoBox_, places.info);
}

void MainPanel::watchPointer() {
    previousPanelProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainPanel::pointerWatchProc)));
}

void MainPanel::addTrayIcon() {
    trayIcon_.add(window_, smallIcon_);
}

void MainPanel::popUpTrayMenu() {
    HMENU menu = buildPopupMenu(shell::trayMenu());
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the posted message lets it close on the first such click.
    SetForegroundWindow(window_);
    popUp(menu, at);
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void MainPanel::useControlsFontFor(UINT dpi) {
    HFONT font = createMessageFontForDpi(dpi);
    if (font == nullptr) return;
    for (HWND control : {tree_, infoBox_}) {
        if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (controlsFont_ != nullptr) DeleteObject(controlsFont_);
    controlsFont_ = font;
}

LRESULT CALLBACK MainPanel::pointerWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainPanel* self = ownerOf<MainPanel>(window);
    // WM_SETCURSOR also comes for the pointer over any child control.
    if (message == WM_SETCURSOR || message == WM_NCMOUSEMOVE) self->listener_->onPointerOver();
    return CallWindowProcW(self->previousPanelProc_, window, message, wParam, lParam);
}

LRESULT MainPanel::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case WM_COMMAND:
            // Menus and accelerators only; controls' notifications carry their window.
            if (lParam == 0) listener_->onCommand(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            listener_->onTimer(wParam);
            return 0;
        case kLeftButtonPressedMessage:
            listener_->onLeftButtonPressed({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                                           static_cast<DWORD>(wParam));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                focusedChild_ = IsChild(window_, focus) ? focus : nullptr;
            } else {
                listener_->onActivated();
            }
            break;
        case WM_SETFOCUS:
            // Back to the control that had the focus, the tree at first.
            SetFocus(focusedChild_ != nullptr && IsWindow(focusedChild_) ? focusedChild_ : tree_);
            return 0;
        case WM_SIZE:
            listener_->onClientResized(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOVE:
            listener_->onMoved();
            return 0;
        case WM_GETMINMAXINFO:
            // The system holds a window that is no popup to its smallest
            // tracking size even without a frame; the strip at an edge is
            // thinner than that.
            if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) {
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{1, 1};
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const UINT dpi = LOWORD(wParam);
            useControlsFontFor(dpi);
            const RECT& r = *reinterpret_cast<const RECT*>(lParam);
            listener_->onDpiChanged(static_cast<int>(dpi),
                                    Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
            return 0;
        }
        case kSplitterDraggedMessage:
            listener_->onSplitterDragged(static_cast<int>(static_cast<INT_PTR>(wParam)));
            return 0;
        case WM_NOTIFY:
            if (const auto result = onNotify(*reinterpret_cast<const NMHDR*>(lParam))) return *result;
            break;
        case WM_RENDERFORMAT:
        case WM_RENDERALLFORMATS:
        case WM_DESTROYCLIPBOARD:
            if (listener_->onClipboardMessage(message, wParam, lParam)) return 0;
            break;
        case kTrayCallbackMessage:
            // Without NOTIFYICON_VERSION_4 the mouse message is all of lParam.
            if (const auto event = trayEventOf(static_cast<UINT>(lParam))) listener_->onTrayEvent(*event);
            return 0;
        case WM_ENDSESSION:
            // The session ends without destroying windows: shut down as a close would.
            if (wParam) DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            listener_->onDestroying();
            trayIcon_.remove();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            tree_ = splitter_ = infoBox_ = nullptr;
            break;
        default:
            if (message == taskbarCreatedMessage_ && message != 0) trayIcon_.addAgain();
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> MainPanel::onNotify(const NMHDR& header) {
    if (header.hwndFrom == tree_) return listener_->onTreeNotify(header);
    if (header.hwndFrom == infoBox_ && header.code == EN_MSGFILTER) {
        const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
        if (filter.msg == WM_RBUTTONUP) {
            POINT at{};
            GetCursorPos(&at);
            popUp(infoBoxMenu_, at);
        }
        return 0;  // the control handles the message as usual
    }
    return std::nullopt;
}

void MainPanel::popUpCommandMenu(Point screen) {
    popUp(GetSubMenu(menuBar_, 0), POINT{screen.x, screen.y});
}

void MainPanel::popUp(HMENU menu, POINT screen) {
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_,
                   nullptr);
}

}  // namespace quorvane::win32
