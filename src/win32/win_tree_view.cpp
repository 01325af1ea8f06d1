#include "win32/win_tree_view.h"

#include <utility>
#include <vector>

#include "win32/win_utf16.h"

namespace quorvane::win32 {

namespace {

// Marks a change the program makes to the control for as long as it lives.
class ProgramChange {
public:
    explicit ProgramChange(int& depth) : depth_(depth) { ++depth_; }
    ~ProgramChange() { --depth_; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    int& depth_;
};

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

WinTreeView::WinTreeView(HWND tree, const TreeItemSource& source, TreeViewEvents events)
    : tree_(tree), source_(source), events_(std::move(events)) {
    // The parent may be an ANSI window; the W notifications carry UTF-16 labels
    // whatever the parent asked for with WM_NOTIFYFORMAT.
    TreeView_SetUnicodeFormat(tree_, TRUE);
    rebuild();
}

void WinTreeView::rebuild() {
    ProgramChange change(programChanges_);
    // Without this every insertion recomputes the scroll range and repaints.
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    items_.clear();
    topLevelInserted_ = false;
    insertChildren(TreeItemId::None);
    selectFromSource();
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

HTREEITEM WinTreeView::itemHandle(TreeItemId item) const {
    const auto found = items_.find(item);
    return found == items_.end() ? nullptr : found->second.handle;
}

WinTreeView::Mirrored* WinTreeView::find(TreeItemId item) {
    const auto found = items_.find(item);
    return found == items_.end() ? nullptr : &found->second;
}

TreeItemId WinTreeView::idAt(HTREEITEM handle) const {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_PARAM;
    item.hItem = handle;
    if (!TreeView_GetItem(tree_, &item)) return TreeItemId::None;
    return idOf(item.lParam);
}

HTREEITEM WinTreeView::insert(TreeItemId item, HTREEITEM parent) {
    std::wstring label = toUtf16(source_.labelOf(item));
    const bool hasChildren = source_.hasChildren(item);

    TVINSERTSTRUCTW insertion{};
    insertion.hParent = parent;
    insertion.hInsertAfter = TVI_LAST;
    TVITEMW& fields = insertion.item;
    fields.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    fields.pszText = label.data();
    fields.iImage = source_.imageOf(item);
    fields.iSelectedImage = fields.iImage;
    // The button shows before the children exist; they are inserted when the
    // item is first expanded.
    fields.cChildren = hasChildren ? 1 : 0;
    fields.lParam = static_cast<LPARAM>(item);

    const HTREEITEM handle = TreeView_InsertItem(tree_, &insertion);
    if (handle != nullptr) items_[item] = Mirrored{handle, false, hasChildren};
    return handle;
}

void WinTreeView::insertChildren(TreeItemId parent) {
    HTREEITEM parentHandle = TVI_ROOT;
    Mirrored* mirrored = nullptr;
    if (parent == TreeItemId::None) {
        if (topLevelInserted_) return;
        topLevelInserted_ = true;
    } else {
        mirrored = find(parent);
        if (mirrored == nullptr || mirrored->childrenInserted) return;
        mirrored->childrenInserted = true;
        parentHandle = mirrored->handle;
    }

    const std::vector<TreeItemId> children = source_.childrenOf(parent);
    for (const TreeItemId child : children) insert(child, parentHandle);
    // Map nodes stay put when the map grows, so `mirrored` is still good.
    if (mirrored != nullptr) setButton(*mirrored, !children.empty());

    // Items the core has already opened open as soon as they exist here.
    for (const TreeItemId child : children) {
        if (source_.isExpanded(child) && source_.hasChildren(child)) expand(child, itemHandle(child));
    }
}

void WinTreeView::expand(TreeItemId item, HTREEITEM handle) {
    // Filled first: TVM_EXPAND sent by the program does not always come back
    // as TVN_ITEMEXPANDING, and an item without children would not open.
    insertChildren(item);
    ProgramChange change(programChanges_);
    TreeView_Expand(tree_, handle, TVE_EXPAND);
}

HTREEITEM WinTreeView::ensureInserted(TreeItemId item) {
    if (item == TreeItemId::None) return nullptr;
    if (const HTREEITEM handle = itemHandle(item)) return handle;
    const TreeItemId parent = source_.parentOf(item);
    if (parent != TreeItemId::None && ensureInserted(parent) == nullptr) return nullptr;
    insertChildren(parent);
    return itemHandle(item);
}

void WinTreeView::setButton(Mirrored& mirrored, bool shown) {
    if (mirrored.showsButton == shown) return;
    // cChildren is what the control draws the button from, set once at
    // insertion; it does not follow children added or deleted later.
    TVITEMW fields{};
    fields.mask = TVIF_HANDLE | TVIF_CHILDREN;
    fields.hItem = mirrored.handle;
    fields.cChildren = shown ? 1 : 0;
    TreeView_SetItem(tree_, &fields);
    mirrored.showsButton = shown;
}

void WinTreeView::forgetSubtree(HTREEITEM handle) {
    std::vector<HTREEITEM> pending{handle};
    while (!pending.empty()) {
        const HTREEITEM next = pending.back();
        pending.pop_back();
        items_.erase(idAt(next));
        for (HTREEITEM child = TreeView_GetChild(tree_, next); child != nullptr;
             child = TreeView_GetNextSibling(tree_, child))
            pending.push_back(child);
    }
}

void WinTreeView::selectFromSource() {
    const HTREEITEM wanted = ensureInserted(source_.selectedItem());
    if (TreeView_GetSelection(tree_) == wanted) return;
    ProgramChange change(programChanges_);
    TreeView_SelectItem(tree_, wanted);
}

void WinTreeView::itemAdded(TreeItemId item, TreeItemId parent) {
    if (parent == TreeItemId::None) {
        if (topLevelInserted_) insert(item, TVI_ROOT);
        return;
    }
    Mirrored* mirrored = find(parent);
    // A parent not on screen yet reads its children when it gets there.
    if (mirrored == nullptr) return;
    if (mirrored->childrenInserted) insert(item, mirrored->handle);
    setButton(*mirrored, true);
}

void WinTreeView::itemRemoved(TreeItemId item) {
    // An item never inserted leaves nothing to delete. Its parent may keep a
    // button for children it no longer has; expanding it then takes the
    // button away.
    Mirrored* mirrored = find(item);
    if (mirrored == nullptr) return;
    const HTREEITEM handle = mirrored->handle;
    const HTREEITEM parentHandle = TreeView_GetParent(tree_, handle);

    forgetSubtree(handle);
    {
        // Deleting the selected item makes the control select a neighbour and
        // report it; the core's selection is put back below instead.
        ProgramChange change(programChanges_);
        TreeView_DeleteItem(tree_, handle);
    }
    if (parentHandle != nullptr) {
        const TreeItemId parent = idAt(parentHandle);
        if (Mirrored* parentMirror = find(parent)) setButton(*parentMirror, source_.hasChildren(parent));
    }
    selectFromSource();
}

void WinTreeView::itemRelabelled(TreeItemId item) {
    const Mirrored* mirrored = find(item);
    if (mirrored == nullptr) return;
    std::wstring label = toUtf16(source_.labelOf(item));
    TVITEMW fields{};
    fields.mask = TVIF_HANDLE | TVIF_TEXT;
    fields.hItem = mirrored->handle;
    fields.pszText = label.data();
    TreeView_SetItem(tree_, &fields);
}

void WinTreeView::itemExpanded(TreeItemId item) {
    if (const HTREEITEM handle = ensureInserted(item)) expand(item, handle);
}

void WinTreeView::selectionChanged(TreeItemId item) {
    const HTREEITEM handle = ensureInserted(item);
    if (item != TreeItemId::None && handle == nullptr) return;
    ProgramChange change(programChanges_);
    // Selecting also opens the collapsed ancestors so the item can be seen.
    TreeView_SelectItem(tree_, handle);
}

void WinTreeView::editingBegun(TreeItemId item) {
    const HTREEITEM handle = ensureInserted(item);
    if (handle == nullptr) return;
    // The control opens its edit box only while it has the focus.
    SetFocus(tree_);
    // Not a program change: the control asks the core through
    // TVN_BEGINLABELEDIT, and the core must hear of that.
    TreeView_EditLabel(tree_, handle);
}

std::optional<LRESULT> WinTreeView::handleNotify(const NMHDR& header) {
    if (header.hwndFrom != tree_) return std::nullopt;

    switch (header.code) {
        case TVN_SELCHANGINGW: {
            // Given the focus with nothing selected, the control selects its
            // first item by itself. Nobody chose it: it would show a
            // description and be saved as the open category at shut-down.
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            const bool unasked = change.action == TVC_UNKNOWN && change.itemOld.hItem == nullptr &&
                                 programChanges_ == 0 && !rightClickSelecting_;
            return unasked ? TRUE : FALSE;
        }
        case TVN_SELCHANGEDW: {
            if (programChanges_ > 0) return 0;
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            const TreeItemId item =
                change.itemNew.hItem == nullptr ? TreeItemId::None : idOf(change.itemNew.lParam);
            if (events_.selectionChanged) events_.selectionChanged(item, causeOf(change.action));
            return 0;
        }
        case TVN_ITEMEXPANDINGW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            if ((change.action & TVE_EXPAND) != 0) insertChildren(idOf(change.itemNew.lParam));
            return FALSE;
        }
        case NM_DBLCLK:
            if (events_.doubleClicked) events_.doubleClicked();
            // FALSE: the control still opens or closes a category itself.
            return FALSE;
        case TVN_BEGINLABELEDITW: {
            const auto& edit = reinterpret_cast<const NMTVDISPINFOW&>(header);
            const bool allowed = !events_.labelEditBegins || events_.labelEditBegins(idOf(edit.item.lParam));
            labelEditOpen_ = allowed;
            // TRUE cancels the edit before its box opens.
            return allowed ? FALSE : TRUE;
        }
        case TVN_ENDLABELEDITW: {
            // Wine reports the end a second time while it takes the edit box
            // down, with the box's text even after a cancel; only the first
            // end of an edit counts.
            if (!labelEditOpen_) return FALSE;
            labelEditOpen_ = false;
            const auto& edit = reinterpret_cast<const NMTVDISPINFOW&>(header);
            const TreeItemId item = idOf(edit.item.lParam);
            std::optional<std::string> edited;
            if (edit.item.pszText != nullptr) edited = toUtf8(edit.item.pszText);
            if (events_.labelEditEnds) events_.labelEditEnds(item, edited);
            if (!edited) return FALSE;
            // TRUE makes the control store the edited text after this returns,
            // over any label the core put back meanwhile; so the edit is only
            // taken as it stands when the core kept it.
            if (source_.labelOf(item) == *edited) return TRUE;
            itemRelabelled(item);
            return FALSE;
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
            if (under == nullptr) return TRUE;
            // A right click only highlights the row on its own; selecting it
            // here reaches the core as a selection with cause Other.
            rightClickSelecting_ = true;
            TreeView_SelectItem(tree_, under);
            rightClickSelecting_ = false;
            if ((hit.flags & TVHT_ONITEM) != 0 && events_.rightClickedOverItem)
                events_.rightClickedOverItem({screen.x, screen.y});
            // TRUE: no WM_CONTEXTMENU on top of it.
            return TRUE;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace quorvane::win32
