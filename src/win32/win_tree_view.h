#pragma once
// 树型框1 on screen: a Win32 tree view control that mirrors the core's
// command tree. It is filled lazily, so a library of thousands of categories
// shows at once: only the top level is inserted at first, and the children
// of a category when it is first expanded (or when the program reaches into
// it). Each inserted item carries its TreeItemId as lParam.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include "platform/tree_view.h"
#include "platform/types.h"

namespace quorvane::win32 {

// What the user did in the control, for the composition root to hand to the
// core's tree interaction. An empty function is skipped.
struct TreeViewEvents {
    // Also the selection the control makes by itself (a right click, a
    // collapse that hides the selected item), with cause Other.
    std::function<void(TreeItemId item, SelectionCause cause)> selectionChanged;
    std::function<void()> doubleClicked;
    // False refuses the edit before the edit box opens.
    std::function<bool(TreeItemId item)> labelEditBegins;
    // `edited` is nullopt when the user cancelled.
    std::function<void(TreeItemId item, const std::optional<std::string>& edited)> labelEditEnds;
    // Right button released over an item's picture or label, after that item
    // was selected; `screen` is the cursor, where the menu goes.
    std::function<void(Point screen)> rightClickedOverItem;
};

class WinTreeView final : public TreeView {
public:
    // `tree` is the control, created by the panel with TVS_HASBUTTONS |
    // TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS and given its image list
    // there. `source` is read whenever items are inserted. Both outlive this.
    WinTreeView(HWND tree, const TreeItemSource& source, TreeViewEvents events = {});
    WinTreeView(const WinTreeView&) = delete;
    WinTreeView& operator=(const WinTreeView&) = delete;

    void setEvents(TreeViewEvents events) { events_ = std::move(events); }

    // Empties the control and fills it again from the source: the top level,
    // the items the source says are expanded, and the selection. For a source
    // that was filled while no mirror was listening (the cheapest way to load
    // a big library).
    void rebuild();

    // WM_NOTIFY from the control, forwarded by its parent window. nullopt when
    // the notification is not the control's or is not handled here; otherwise
    // what the parent's window procedure must return.
    std::optional<LRESULT> handleNotify(const NMHDR& header);

    HWND handle() const { return tree_; }
    // The control's item for an id, or null when it is not inserted (yet).
    HTREEITEM itemHandle(TreeItemId item) const;

    // TreeView
    void itemAdded(TreeItemId item, TreeItemId parent) override;
    void itemRemoved(TreeItemId item) override;
    void itemRelabelled(TreeItemId item) override;
    void itemExpanded(TreeItemId item) override;
    void selectionChanged(TreeItemId item) override;
    void editingBegun(TreeItemId item) override;

private:
    struct Mirrored {
        HTREEITEM handle = nullptr;
        bool childrenInserted = false;
        bool showsButton = false;  // cChildren as last set
    };

    HTREEITEM insert(TreeItemId item, HTREEITEM parent);
    // Once per parent (None: the top level); later children come through itemAdded.
    void insertChildren(TreeItemId parent);
    void expand(TreeItemId item, HTREEITEM handle);
    // Inserts the item's ancestors' children from the top down, so that the
    // item itself is inserted; null for an item the source does not have.
    HTREEITEM ensureInserted(TreeItemId item);
    void setButton(Mirrored& mirrored, bool shown);
    void forgetSubtree(HTREEITEM handle);
    void selectFromSource();
    Mirrored* find(TreeItemId item);
    TreeItemId idAt(HTREEITEM handle) const;
    static TreeItemId idOf(LPARAM param) { return static_cast<TreeItemId>(param); }

    HWND tree_;
    const TreeItemSource& source_;
    TreeViewEvents events_;
    std::unordered_map<TreeItemId, Mirrored> items_;
    bool topLevelInserted_ = false;
    // Above 0 while the program changes the control: the selection changes
    // that causes are the core's own and are not reported back to it.
    int programChanges_ = 0;
    // While a right click selects the item under the pointer for the user.
    bool rightClickSelecting_ = false;
    // Between an edit the core allowed and its first end.
    bool labelEditOpen_ = false;
};

}  // namespace quorvane::win32
