#pragma once
// A tree control that holds its items like the real one and reports what
// the user does through TreeControlEvents, in the order the real control
// does: a selection asks first (and may be refused), then reports; the
// program's own selections are reported the same way, with cause Other.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/tree_control.h"

namespace quorvane::fakes {

class FakeTreeControl : public TreeControl {
public:
    struct Item {
        TreeControlItem parent = 0;
        TreeItemId id = TreeItemId::None;
        std::string label;
        int image = -1;
        bool button = false;
        bool expanded = false;
        std::vector<TreeControlItem> children;
    };

    // TreeControl
    TreeControlItem insert(TreeControlItem parent, TreeItemId id, const std::string& label, int image,
                           bool hasButton) override {
        if (parent != 0 && items.count(parent) == 0) return 0;
        const TreeControlItem handle = nextHandle_++;
        items[handle] = Item{parent, id, label, image, hasButton, false, {}};
        (parent == 0 ? roots : items[parent].children).push_back(handle);
        ++inserts;
        return handle;
    }
    void remove(TreeControlItem item) override {
        if (items.count(item) == 0) return;
        const TreeControlItem parent = items[item].parent;
        auto& siblings = parent == 0 ? roots : items[parent].children;
        std::erase(siblings, item);
        const bool selectionGone = selected != 0 && isWithin(selected, item);
        removed.push_back(items[item].label);
        forget(item);
        // The real control moves the selection to a neighbour and says so.
        if (selectionGone) changeSelection(parent, SelectionCause::Other);
    }
    void removeAll() override {
        items.clear();
        roots.clear();
        selected = 0;
        editing = 0;
    }
    void setLabel(TreeControlItem item, const std::string& label) override {
        if (items.count(item) != 0) items[item].label = label;
    }
    void setButton(TreeControlItem item, bool shown) override {
        if (items.count(item) != 0) items[item].button = shown;
    }
    void expand(TreeControlItem item) override {
        if (items.count(item) != 0 && !items[item].children.empty()) items[item].expanded = true;
    }
    void select(TreeControlItem item) override {
        if (changeSelection(item, SelectionCause::Other)) revealSelection();
    }
    TreeControlItem selection() override { return selected; }
    void editLabel(TreeControlItem item) override {
        if (items.count(item) != 0 && events->labelEditBegins(items[item].id)) editing = item;
    }
    void setRedraw(bool on) override { redrawOn = on; }

    // The user's side.
    void click(TreeControlItem item) { changeSelection(item, SelectionCause::Mouse); }
    void arrowTo(TreeControlItem item) { changeSelection(item, SelectionCause::Keyboard); }
    // The control gets the focus: with nothing selected it selects its first item.
    void takeFocus() {
        if (selected == 0 && !roots.empty()) changeSelection(roots.front(), SelectionCause::Other);
    }
    // A click on the item's button.
    void toggle(TreeControlItem item) {
        Item& it = items.at(item);
        if (it.expanded) {
            it.expanded = false;
            return;
        }
        events->expanding(it.id);
        if (!items.at(item).children.empty()) items.at(item).expanded = true;
    }
    // A double click on the selected item: reported, then the control opens
    // or closes a category itself.
    void doubleClickSelection() {
        events->doubleClicked();
        if (selected != 0 && items.count(selected) != 0 && items.at(selected).button) toggle(selected);
    }
    void rightClick(TreeControlItem item, bool onItem, Point screen) {
        events->rightClicked(item == 0 ? TreeItemId::None : items.at(item).id, onItem, screen);
    }
    // A key pressed while the control has the focus.
    void pressKey(TreeKey key) { events->keyPressed(key); }
    // The user begins editing the selected label by clicking it again.
    bool beginEdit(TreeControlItem item) {
        editLabel(item);
        return editing == item;
    }
    // The edit ends with `text` confirmed, or cancelled with nullopt.
    void endEdit(const std::optional<std::string>& text) {
        const TreeControlItem item = editing;
        editing = 0;
        if (events->labelEditEnds(items.at(item).id, text) && text) items.at(item).label = *text;
    }
    // What some controls do after an edit ended: report its end again.
    void reportEndAgain(TreeControlItem item, const std::optional<std::string>& text) {
        if (events->labelEditEnds(items.at(item).id, text) && text) items.at(item).label = *text;
    }

    // Reading what is on screen.
    TreeControlItem find(const std::string& label) const {
        for (const auto& [handle, item] : items)
            if (item.label == label) return handle;
        return 0;
    }
    TreeItemId idOf(TreeControlItem handle) const {
        return items.count(handle) != 0 ? items.at(handle).id : TreeItemId::None;
    }
    std::string selectedLabel() const { return selected != 0 ? items.at(selected).label : std::string(); }
    // Indented labels, "+ " for a closed item with a button, "- " for an open one.
    std::string outline() const {
        std::string text;
        for (const TreeControlItem root : roots) appendOutline(root, 0, text);
        return text;
    }

    TreeControlEvents* events = nullptr;
    std::map<TreeControlItem, Item> items;
    std::vector<TreeControlItem> roots;
    TreeControlItem selected = 0;
    TreeControlItem editing = 0;
    bool redrawOn = true;
    int inserts = 0;
    // Labels of the items the program deleted, in order (each with its subtree).
    std::vector<std::string> removed;

private:
    bool changeSelection(TreeControlItem item, SelectionCause cause) {
        if (item == selected) return false;
        const TreeItemId from = idOf(selected);
        const TreeItemId to = idOf(item);
        if (!events->selectionChanging(from, to, cause)) return false;
        selected = item;
        events->selectionChanged(to, cause);
        return true;
    }
    void revealSelection() {
        for (TreeControlItem up = selected != 0 ? items.at(selected).parent : 0; up != 0; up = items.at(up).parent)
            items.at(up).expanded = true;
    }
    bool isWithin(TreeControlItem item, TreeControlItem top) const {
        for (TreeControlItem up = item; up != 0; up = items.at(up).parent)
            if (up == top) return true;
        return false;
    }
    void forget(TreeControlItem item) {
        for (const TreeControlItem child : items.at(item).children) forget(child);
        items.erase(item);
    }
    void appendOutline(TreeControlItem handle, int depth, std::string& text) const {
        const Item& item = items.at(handle);
        text += std::string(static_cast<std::size_t>(2 * depth), ' ');
        text += item.button ? (item.expanded ? "- " : "+ ") : "  ";
        text += item.label + "\n";
        if (item.expanded)
            for (const TreeControlItem child : item.children) appendOutline(child, depth + 1, text);
    }

    TreeControlItem nextHandle_ = 0x1000;
};

}  // namespace quorvane::fakes
