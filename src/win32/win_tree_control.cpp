#include "win32/win_tree_control.h"

#include <string>

#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

HTREEITEM toHandle(TreeControlItem item) { return reinterpret_cast<HTREEITEM>(item); }
TreeControlItem toItem(HTREEITEM handle) { return reinterpret_cast<TreeControlItem>(handle); }
TreeItemId idOf(LPARAM param) { return static_cast<TreeItemId>(param); }
TreeItemId idOf(const TVITEMW& item) { return item.hItem == nullptr ? TreeItemId::None : idOf(item.lParam); }

SelectionCause causeOf(UINT action) {
    switch (action) {
        case TVC_BYKEYBOARD:
            return SelectionCause::Keyboard;
        case TVC_BYMOUSE:
            return SelectionCause::Mouse;
        default:
            return SelectionCause::Other;
    }
}

}  // namespace

WinTreeControl::WinTreeControl(HWND tree) : tree_(tree) {
    // The parent may be an ANSI window; the W notifications carry UTF-16 labels
    // whatever the parent asked for with WM_NOTIFYFORMAT.
    TreeView_SetUnicodeFormat(tree_, TRUE);
}

TreeControlItem WinTreeControl::insert(TreeControlItem parent, TreeItemId id, const std::string& label, int image,
                                       bool hasButton) {
    std::wstring text = toUtf16(label);
    TVINSERTSTRUCTW insertion{};
    insertion.hParent = parent == 0 ? TVI_ROOT : toHandle(parent);
    insertion.hInsertAfter = TVI_LAST;
    TVITEMW& fields = insertion.item;
    fields.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    fields.pszText = text.data();
    fields.iImage = image;
    fields.iSelectedImage = image;
    fields.cChildren = hasButton ? 1 : 0;
    fields.lParam = static_cast<LPARAM>(id);
    return toItem(TreeView_InsertItem(tree_, &insertion));
}

void WinTreeControl::remove(TreeControlItem item) { TreeView_DeleteItem(tree_, toHandle(item)); }

void WinTreeControl::removeAll() { TreeView_DeleteAllItems(tree_); }

void WinTreeControl::setLabel(TreeControlItem item, const std::string& label) {
    std::wstring text = toUtf16(label);
    TVITEMW fields{};
    fields.mask = TVIF_HANDLE | TVIF_TEXT;
    fields.hItem = toHandle(item);
    fields.pszText = text.data();
    TreeView_SetItem(tree_, &fields);
}

void WinTreeControl::setButton(TreeControlItem item, bool shown) {
    TVITEMW fields{};
    fields.mask = TVIF_HANDLE | TVIF_CHILDREN;
    fields.hItem = toHandle(item);
    fields.cChildren = shown ? 1 : 0;
    TreeView_SetItem(tree_, &fields);
}

void WinTreeControl::expand(TreeControlItem item) { TreeView_Expand(tree_, toHandle(item), TVE_EXPAND); }

void WinTreeControl::select(TreeControlItem item) { TreeView_SelectItem(tree_, toHandle(item)); }

TreeControlItem WinTreeControl::selection() { return toItem(TreeView_GetSelection(tree_)); }

void WinTreeControl::editLabel(TreeControlItem item) {
    // The control opens its edit box only while it has the focus.
    SetFocus(tree_);
    TreeView_EditLabel(tree_, toHandle(item));
}

void WinTreeControl::setRedraw(bool on) {
    SendMessageW(tree_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) InvalidateRect(tree_, nullptr, TRUE);
}

std::optional<LRESULT> WinTreeControl::handleNotify(const NMHDR& header, TreeControlEvents& events) {
    if (header.hwndFrom != tree_) return std::nullopt;
    switch (header.code) {
        case TVN_SELCHANGINGW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            const bool allowed =
                events.selectionChanging(idOf(change.itemOld), idOf(change.itemNew), causeOf(change.action));
            return allowed ? FALSE : TRUE;
        }
        case TVN_SELCHANGEDW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            events.selectionChanged(idOf(change.itemNew), causeOf(change.action));
            return 0;
        }
        case TVN_ITEMEXPANDINGW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            if ((change.action & TVE_EXPAND) != 0) events.expanding(idOf(change.itemNew));
            return FALSE;
        }
        case NM_DBLCLK:
            events.doubleClicked();
            // FALSE: the control still opens or closes a category itself.
            return FALSE;
        case TVN_BEGINLABELEDITW: {
            const auto& edit = reinterpret_cast<const NMTVDISPINFOW&>(header);
            // TRUE cancels the edit before its box opens.
            return events.labelEditBegins(idOf(edit.item.lParam)) ? FALSE : TRUE;
        }
        case TVN_ENDLABELEDITW: {
            const auto& edit = reinterpret_cast<const NMTVDISPINFOW&>(header);
            std::optional<std::string> edited;
            if (edit.item.pszText != nullptr) edited = toUtf8(edit.item.pszText);
            // TRUE makes the control store the edited text after this returns.
            return events.labelEditEnds(idOf(edit.item.lParam), edited) ? TRUE : FALSE;
        }
        case TVN_KEYDOWN: {
            // Sent only while the control has the focus; while a label is
            // edited its keys go to the edit box instead.
            const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(header);
            if (key.wVKey == VK_F2) events.keyPressed(TreeKey::F2);
            if (key.wVKey == VK_DELETE) events.keyPressed(TreeKey::Delete);
            if (key.wVKey == VK_RETURN) events.keyPressed(TreeKey::Enter);
            // 0: a letter still takes part in the control's incremental search.
            return 0;
        }
        case NM_RCLICK: {
            // Where the button went up, not wherever the cursor is by now; short
            // casts keep the coordinates of a monitor left of the primary negative.
            const DWORD position = GetMessagePos();
            const POINT screen{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
            TVHITTESTINFO hit{};
            hit.pt = screen;
            ScreenToClient(tree_, &hit.pt);
            const HTREEITEM under = TreeView_HitTest(tree_, &hit);
            TreeItemId id = TreeItemId::None;
            if (under != nullptr) {
                TVITEMW item{};
                item.mask = TVIF_HANDLE | TVIF_PARAM;
                item.hItem = under;
                if (TreeView_GetItem(tree_, &item)) id = idOf(item.lParam);
            }
            events.rightClicked(id, (hit.flags & TVHT_ONITEM) != 0, {screen.x, screen.y});
            // TRUE: no WM_CONTEXTMENU on top of it.
            return TRUE;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace quorvane::win32
