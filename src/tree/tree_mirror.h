#pragma once
// Keeps the tree control on screen in step with the model, and turns what
// the control reports into the tree interaction's events. The control is
// filled lazily, so a library of thousands of categories shows at once: the
// top level first, the children of a category when it is first expanded (or
// when the program reaches into it).
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/tree_control.h"
#include "tree/tree_interaction.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

class TreeMirror final : public TreeModelObserver, public TreeControlEvents {
public:
    // Where the right button went up over an item: the command menu goes there.
    using PopUpMenu = std::function<void(Point screen)>;
    // What a key of the tree does; never called while a label is being edited.
    using KeyAction = std::function<void(TreeKey key)>;

    TreeMirror(TreeModel& model, TreeControl& control, TreeInteraction& interaction, PopUpMenu popUpMenu,
               KeyAction keyAction);
    TreeMirror(const TreeMirror&) = delete;
    TreeMirror& operator=(const TreeMirror&) = delete;

    // Empties the control and fills it from the model: the top level, the
    // items the model says are expanded, and the selection. For a model that
    // was filled with nobody watching (the cheapest way to load a big library).
    void rebuild();

    // TreeModelObserver
    void itemAdded(TreeItemId item, TreeItemId parent) override;
    void itemRemoved(TreeItemId item) override;
    void itemRelabelled(TreeItemId item) override;
    void itemExpanded(TreeItemId item) override;
    void selectionChanged(TreeItemId item) override;
    void editingBegun(TreeItemId item) override;

    // TreeControlEvents
    bool selectionChanging(TreeItemId from, TreeItemId to, SelectionCause cause) override;
    void selectionChanged(TreeItemId to, SelectionCause cause) override;
    void expanding(TreeItemId item) override;
    void doubleClicked() override;
    bool labelEditBegins(TreeItemId item) override;
    bool labelEditEnds(TreeItemId item, const std::optional<std::string>& edited) override;
    void rightClicked(TreeItemId under, bool onItem, Point screen) override;
    void keyPressed(TreeKey key) override;

private:
    struct Mirrored {
        TreeControlItem handle = 0;
        TreeItemId parent = TreeItemId::None;
        std::vector<TreeItemId> children;  // as inserted in the control
        bool childrenInserted = false;
        bool showsButton = false;
    };

    void insert(TreeItemId item, TreeItemId parent);
    // Once per parent (None: the top level); later children come through itemAdded.
    void insertChildren(TreeItemId parent);
    void expand(TreeItemId item);
    // Inserts the item's ancestors' children from the top down, so that the
    // item itself is inserted; 0 for an item the model does not have.
    TreeControlItem ensureInserted(TreeItemId item);
    void setButton(Mirrored& mirrored, bool shown);
    void forgetSubtree(TreeItemId item);
    void selectFromModel();
    void selectInControl(TreeControlItem handle);
    Mirrored* find(TreeItemId item);
    TreeControlItem handleOf(TreeItemId item) const;

    TreeModel& model_;
    TreeControl& control_;
    TreeInteraction& interaction_;
    PopUpMenu popUpMenu_;
    KeyAction keyAction_;
    std::unordered_map<TreeItemId, Mirrored> mirrored_;
    bool topLevelInserted_ = false;
    // Above 0 while the program changes the control: the selection changes
    // that causes are the program's own and are not reported on.
    int programChanges_ = 0;
    // While a right click selects the item under the pointer for the user.
    bool rightClickSelecting_ = false;
    // Between an edit the interaction allowed and its first end.
    bool labelEditOpen_ = false;
};

}  // namespace quorvane::tree
