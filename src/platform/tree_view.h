#pragma once
// The command tree as the window layer sees it. The core's model is the
// source of truth; the tree view on screen mirrors it. Items are named by
// ids that stay the same while indices shift, so the mirror can keep its own
// handle per id without knowing anything about pre-order positions.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

// Stable for the life of the item, never reused; None is no item or the top level.
enum class TreeItemId : std::uint32_t { None = 0 };

// Why the selection changed, as the tree control reports it.
enum class SelectionCause { Keyboard = 0, Mouse = 1, Other = 2 };

// What the model tells the mirror. Each call comes after the model has changed.
class TreeView {
public:
    virtual ~TreeView() = default;
    // Appended as the last child of `parent` (None: the top level).
    virtual void itemAdded(TreeItemId item, TreeItemId parent) = 0;
    // Gone with its whole subtree; the mirror drops the items below it too.
    // A selected item among them leaves nothing selected in the model; what
    // the view selects instead comes back as a selection made in the view.
    virtual void itemRemoved(TreeItemId item) = 0;
    virtual void itemRelabelled(TreeItemId item) = 0;
    virtual void itemExpanded(TreeItemId item) = 0;
    // Selection set by the program (None: nothing selected). A selection the
    // user makes in the view is reported the other way and never echoed back.
    virtual void selectionChanged(TreeItemId item) = 0;
    // The program asks for in-place editing of this item's label.
    virtual void editingBegun(TreeItemId item) = 0;
};

// What the mirror reads to fill itself, lazily: the children of an item are
// only asked for when the view first shows them.
class TreeItemSource {
public:
    virtual ~TreeItemSource() = default;
    virtual std::vector<TreeItemId> childrenOf(TreeItemId parent) const = 0;  // None: top-level items
    virtual std::string labelOf(TreeItemId item) const = 0;
    virtual int imageOf(TreeItemId item) const = 0;
    virtual bool hasChildren(TreeItemId item) const = 0;
    virtual bool isExpanded(TreeItemId item) const = 0;
    virtual TreeItemId parentOf(TreeItemId item) const = 0;
    virtual TreeItemId selectedItem() const = 0;
    // Pre-order index of a live item, -1 for None or an item that is gone.
    virtual int indexOf(TreeItemId item) const = 0;
    // None for an index outside 0 .. count - 1.
    virtual TreeItemId itemAt(int index) const = 0;
};

}  // namespace quorvane
