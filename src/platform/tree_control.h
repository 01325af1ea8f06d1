#pragma once
// The tree view control on screen, as the core drives it. The core's model
// is the source of truth and the core's mirror decides what the control
// shows; the control only holds items and reports what the user did.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"

namespace quorvane {

// An item of the core's tree: stable for the life of the item, never reused.
// None is no item, or the top level as a parent.
enum class TreeItemId : std::uint32_t { None = 0 };

// Why the selection changed, as the control reports it.
enum class SelectionCause { Keyboard, Mouse, Other };

// Keys pressed in the control that the program answers; the control
// reports them only while it has the keyboard focus.
enum class TreeKey { F2, Delete, Enter };

// The control's own handle of an item; 0 is no item, or the root as a parent.
using TreeControlItem = std::uintptr_t;

class TreeControl {
public:
    virtual ~TreeControl() = default;
    // Appends a last child of `parent`, carrying `id` for the notifications;
    // `hasButton` shows the expand button before any child is inserted.
    virtual TreeControlItem insert(TreeControlItem parent, TreeItemId id, const std::string& label, int image,
                                   bool hasButton) = 0;
    // Deletes the item with everything below it.
    virtual void remove(TreeControlItem item) = 0;
    virtual void removeAll() = 0;
    virtual void setLabel(TreeControlItem item, const std::string& label) = 0;
    virtual void setButton(TreeControlItem item, bool shown) = 0;
    virtual void expand(TreeControlItem item) = 0;
    // 0 selects nothing. The control reports the change back like any other.
    virtual void select(TreeControlItem item) = 0;
    virtual TreeControlItem selection() = 0;
    // Opens the in-place editor on the item's label (the control asks first).
    virtual void editLabel(TreeControlItem item) = 0;
    // Off while many items go in at once: no repaint or scroll update per item.
    virtual void setRedraw(bool on) = 0;
};

// What the control reports, in the order it happens. The window layer calls
// these from the control's notifications; the core's mirror answers them.
class TreeControlEvents {
public:
    virtual ~TreeControlEvents() = default;
    // False keeps the old selection.
    virtual bool selectionChanging(TreeItemId from, TreeItemId to, SelectionCause cause) = 0;
    virtual void selectionChanged(TreeItemId to, SelectionCause cause) = 0;
    // The item is about to open: its children must be in the control by now.
    virtual void expanding(TreeItemId item) = 0;
    virtual void doubleClicked() = 0;
    // False cancels the edit before its box opens.
    virtual bool labelEditBegins(TreeItemId item) = 0;
    // `edited` is nullopt when the user cancelled. True lets the control put
    // the edited text in as the label; false keeps the label the core set.
    virtual bool labelEditEnds(TreeItemId item, const std::optional<std::string>& edited) = 0;
    // The right button went up over `under` (None: empty space); `onItem`
    // when over its picture or label. `screen` is where it went up.
    virtual void rightClicked(TreeItemId under, bool onItem, Point screen) = 0;
    virtual void keyPressed(TreeKey key) = 0;
};

}  // namespace quorvane
