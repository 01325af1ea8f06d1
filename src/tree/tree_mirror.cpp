#include "tree/tree_mirror.h"

#include <algorithm>
#include <utility>

namespace quorvane::tree {

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

}  // namespace

TreeMirror::TreeMirror(TreeModel& model, TreeControl& control, TreeInteraction& interaction, PopUpMenu popUpMenu,
                       KeyAction keyAction)
    : model_(model),
      control_(control),
      interaction_(interaction),
      popUpMenu_(std::move(popUpMenu)),
      keyAction_(std::move(keyAction)) {}

void TreeMirror::rebuild() {
    ProgramChange change(programChanges_);
    control_.setRedraw(false);
    control_.removeAll();
    mirrored_.clear();
    topLevelInserted_ = false;
    insertChildren(TreeItemId::None);
    selectFromModel();
    control_.setRedraw(true);
}

TreeMirror::Mirrored* TreeMirror::find(TreeItemId item) {
    const auto found = mirrored_.find(item);
    return found == mirrored_.end() ? nullptr : &found->second;
}

TreeControlItem TreeMirror::handleOf(TreeItemId item) const {
    const auto found = mirrored_.find(item);
    return found == mirrored_.end() ? 0 : found->second.handle;
}

void TreeMirror::insert(TreeItemId item, TreeItemId parent) {
    const bool hasChildren = model_.hasChildren(item);
    const TreeControlItem handle =
        control_.insert(handleOf(parent), item, model_.labelOf(item), model_.imageOf(item), hasChildren);
    if (handle == 0) return;
    // Map nodes stay put when the map grows, so pointers into it stay good.
    mirrored_[item] = Mirrored{handle, parent, {}, false, hasChildren};
    if (Mirrored* above = find(parent)) above->children.push_back(item);
}

void TreeMirror::insertChildren(TreeItemId parent) {
    Mirrored* mirrored = nullptr;
    if (parent == TreeItemId::None) {
        if (topLevelInserted_) return;
        topLevelInserted_ = true;
    } else {
        mirrored = find(parent);
        if (mirrored == nullptr || mirrored->childrenInserted) return;
        mirrored->childrenInserted = true;
    }

    const std::vector<TreeItemId> children = model_.childrenOf(parent);
    for (const TreeItemId child : children) insert(child, parent);
    if (mirrored != nullptr) setButton(*mirrored, !children.empty());

    // Items the model has already opened open as soon as they exist here.
    for (const TreeItemId child : children) {
        if (model_.isExpanded(child) && model_.hasChildren(child)) expand(child);
    }
}

void TreeMirror::expand(TreeItemId item) {
    // Filled first: the control does not always report an expansion the
    // program asks for, and an item without children would not open.
    insertChildren(item);
    ProgramChange change(programChanges_);
    control_.expand(handleOf(item));
}

TreeControlItem TreeMirror::ensureInserted(TreeItemId item) {
    if (item == TreeItemId::None) return 0;
    if (const TreeControlItem handle = handleOf(item)) return handle;
    const TreeItemId parent = model_.parentOf(item);
    if (parent != TreeItemId::None && ensureInserted(parent) == 0) return 0;
    insertChildren(parent);
    return handleOf(item);
}

void TreeMirror::setButton(Mirrored& mirrored, bool shown) {
    if (mirrored.showsButton == shown) return;
    // The control draws the button from what it was told at insertion; it
    // does not follow children added or deleted later.
    control_.setButton(mirrored.handle, shown);
    mirrored.showsButton = shown;
}

void TreeMirror::forgetSubtree(TreeItemId item) {
    std::vector<TreeItemId> pending{item};
    while (!pending.empty()) {
        const TreeItemId next = pending.back();
        pending.pop_back();
        const auto found = mirrored_.find(next);
        if (found == mirrored_.end()) continue;
        pending.insert(pending.end(), found->second.children.begin(), found->second.children.end());
        mirrored_.erase(found);
    }
}

void TreeMirror::selectFromModel() {
    const TreeControlItem wanted = ensureInserted(model_.selectedItem());
    if (control_.selection() == wanted) return;
    selectInControl(wanted);
}

void TreeMirror::selectInControl(TreeControlItem handle) {
    ProgramChange change(programChanges_);
    control_.select(handle);
}

void TreeMirror::itemAdded(TreeItemId item, TreeItemId parent) {
    if (parent == TreeItemId::None) {
        if (topLevelInserted_) insert(item, parent);
        return;
    }
    Mirrored* mirrored = find(parent);
    // A parent not in the control yet reads its children when it gets there.
    if (mirrored == nullptr) return;
    if (mirrored->childrenInserted) insert(item, parent);
    setButton(*mirrored, true);
}

void TreeMirror::itemRemoved(TreeItemId item) {
    // An item never inserted leaves nothing to delete. Its parent may keep a
    // button for children it no longer has; expanding it takes the button away.
    const Mirrored* mirrored = find(item);
    if (mirrored == nullptr) return;
    const TreeControlItem handle = mirrored->handle;
    const TreeItemId parent = mirrored->parent;

    forgetSubtree(item);
    if (Mirrored* above = find(parent)) {
        std::erase(above->children, item);
        setButton(*above, model_.hasChildren(parent));
    }
    {
        // Deleting the selected item makes the control select a neighbour;
        // the model's selection is put back below instead.
        ProgramChange change(programChanges_);
        control_.remove(handle);
    }
    selectFromModel();
}

void TreeMirror::itemRelabelled(TreeItemId item) {
    if (const TreeControlItem handle = handleOf(item)) control_.setLabel(handle, model_.labelOf(item));
}

void TreeMirror::itemExpanded(TreeItemId item) {
    if (ensureInserted(item) != 0) expand(item);
}

void TreeMirror::selectionChanged(TreeItemId item) {
    const TreeControlItem handle = ensureInserted(item);
    if (item != TreeItemId::None && handle == 0) return;
    // Selecting also opens the collapsed ancestors so the item can be seen.
    selectInControl(handle);
}

void TreeMirror::editingBegun(TreeItemId item) {
    // Not a program change: the control asks whether the edit may begin,
    // and the interaction must hear of that.
    if (const TreeControlItem handle = ensureInserted(item)) control_.editLabel(handle);
}

bool TreeMirror::selectionChanging(TreeItemId from, TreeItemId, SelectionCause cause) {
    // Given the focus with nothing selected, the control selects its first
    // item by itself. Nobody chose it: it would show a description and be
    // saved as the open category at shut-down.
    const bool unasked = cause == SelectionCause::Other && from == TreeItemId::None && programChanges_ == 0 &&
                         !rightClickSelecting_;
    return !unasked;
}

void TreeMirror::selectionChanged(TreeItemId to, SelectionCause cause) {
    if (programChanges_ > 0) return;
    interaction_.selectionChanged(to, cause);
}

void TreeMirror::expanding(TreeItemId item) {
    insertChildren(item);
}

void TreeMirror::doubleClicked() {
    interaction_.doubleClicked();
}

bool TreeMirror::labelEditBegins(TreeItemId item) {
    labelEditOpen_ = interaction_.labelEditBegins(model_.indexOf(item));
    return labelEditOpen_;
}

bool TreeMirror::labelEditEnds(TreeItemId item, const std::optional<std::string>& edited) {
    // Some controls report the end a second time while they take the edit
    // box down, with the box's text even after a cancel: only the first end
    // of an edit counts.
    if (!labelEditOpen_) return false;
    labelEditOpen_ = false;
    interaction_.labelEditEnds(model_.indexOf(item), edited);
    if (!edited) return false;
    // Letting the control take the edited text would put it over any label
    // the model went back to; so it is only taken when the model kept it.
    if (model_.labelOf(item) == *edited) return true;
    itemRelabelled(item);
    return false;
}

void TreeMirror::rightClicked(TreeItemId under, bool onItem, Point screen) {
    const TreeControlItem handle = handleOf(under);
    if (handle == 0) return;
    // The control only highlights the row on a right click; selecting it
    // here reaches the interaction as a selection with cause Other.
    rightClickSelecting_ = true;
    control_.select(handle);
    rightClickSelecting_ = false;
    if (onItem && popUpMenu_) popUpMenu_(screen);
}

void TreeMirror::keyPressed(TreeKey key) {
    // While a label is edited its keys are the text's: Delete deletes a
    // character, Enter ends the edit, F2 does nothing.
    if (labelEditOpen_ || !keyAction_) return;
    keyAction_(key);
}

}  // namespace quorvane::tree
