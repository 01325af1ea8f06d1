#pragma once
// The command tree: categories and commands as items addressed by pre-order
// index (-1: none, or the top level as a parent). The mirror of the control
// on screen follows it through TreeModelObserver notifications and reads it
// by stable ids.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/tree_control.h"

namespace quorvane::tree {

enum class ItemKind { Category, Command };

// Pictures of the control's image list.
inline constexpr int kCategoryImage = 2;
inline constexpr int kCommandImage = 12;
// Between a command's name and its Chinese name in its label.
inline constexpr std::string_view kChineseNameSeparator = " //";

// The part of a label before the first " //", or the whole label.
std::string commandNameOf(std::string_view label);
// A command item's label: the name, plus " //" and the Chinese name when there is one.
std::string commandLabel(std::string_view name, std::string_view chineseName);

// What the model tells its mirror. Each call comes after the model has changed.
class TreeModelObserver {
public:
    virtual ~TreeModelObserver() = default;
    // Appended as the last child of `parent` (None: the top level).
    virtual void itemAdded(TreeItemId item, TreeItemId parent) = 0;
    // Gone with its whole subtree. A selected item among them leaves nothing
    // selected in the model.
    virtual void itemRemoved(TreeItemId item) = 0;
    virtual void itemRelabelled(TreeItemId item) = 0;
    virtual void itemExpanded(TreeItemId item) = 0;
    // Selection set by the program (None: nothing selected). A selection the
    // user makes comes the other way and is never echoed back.
    virtual void selectionChanged(TreeItemId item) = 0;
    // The program asks for in-place editing of this item's label.
    virtual void editingBegun(TreeItemId item) = 0;
};

class TreeModel final {
public:
    TreeModel() = default;
    TreeModel(const TreeModel&) = delete;
    TreeModel& operator=(const TreeModel&) = delete;

    // The mirror to notify; null for none. Not owned.
    void setObserver(TreeModelObserver* observer) { observer_ = observer; }

    // By index. An index outside 0 .. count - 1 reads as an empty label,
    // value 0, row id 0, image -1, not a command, and changes nothing.
    int count() const { return count_; }
    const std::string& label(int index) const;
    void setLabel(int index, std::string label);
    // A category's number (序号); 0 for a command.
    std::int32_t value(int index) const;
    // The ID of the library row the item shows; 0 when it has none.
    std::int64_t rowId(int index) const;
    bool isCommand(int index) const;
    int image(int index) const;
    // The new item becomes the last child of `parentIndex` (-1: top level);
    // returns its index, or -1 when the parent index is out of range.
    int add(int parentIndex, std::string label, ItemKind kind, std::int32_t value, std::int64_t rowId = 0);
    // Deletes the item with its subtree; false when the index is out of range.
    bool remove(int index);
    int parent(int index) const;  // -1 for a top-level item
    int depth(int index) const;   // 1 for a top-level item, 0 out of range
    void expand(int index);
    bool isExpanded(int index) const;
    void beginEditing(int index);
    int selected() const;
    // -1 or an index out of range selects nothing.
    void setSelected(int index);

    // The lowest index of a category numbered `value`, or -1.
    int findItemByValue(std::int32_t value) const;
    // The selected category, or the category of the selected command; -1 with nothing selected.
    int currentCategoryItem() const;
    // The selected index when a command is selected, else -1.
    int currentCommandItem() const;
    // The label, cut before " //" unless `whole`.
    std::string itemName(int index, bool whole = false) const;
    std::string itemName() const { return itemName(selected()); }

    // Room for this many items in all, so that a bulk load does not keep regrowing.
    void reserve(int items) { nodes_.reserve(static_cast<std::size_t>(items)); }

    // By id: the same tree without index arithmetic, for bulk loading.
    TreeItemId addChild(TreeItemId parent, std::string label, ItemKind kind, std::int32_t value,
                        std::int64_t rowId = 0);
    TreeItemId findIdByValue(std::int32_t value) const;
    // The user selected an item in the view: recorded, not echoed back.
    void followViewSelection(TreeItemId item);

    // By id, for the mirror.
    std::vector<TreeItemId> childrenOf(TreeItemId parent) const;  // None: top-level items
    std::string labelOf(TreeItemId item) const;
    int imageOf(TreeItemId item) const;
    bool hasChildren(TreeItemId item) const;
    bool isExpanded(TreeItemId item) const;
    TreeItemId parentOf(TreeItemId item) const;
    TreeItemId selectedItem() const { return selected_; }
    // Pre-order index of a live item, -1 for None or an item that is gone.
    int indexOf(TreeItemId item) const;
    // None for an index outside 0 .. count - 1.
    TreeItemId itemAt(int index) const;

private:
    struct Node {
        std::string label;
        ItemKind kind = ItemKind::Category;
        std::int32_t value = 0;
        std::int64_t rowId = 0;
        TreeItemId parent = TreeItemId::None;
        std::vector<TreeItemId> children;
        int subtreeSize = 1;  // the item and all its descendants
        // Its pre-order index when it was last known; trusted only inside the valid prefix.
        mutable int index = -1;
        bool alive = true;
        bool expanded = false;
    };

    bool isLive(TreeItemId item) const;
    Node& node(TreeItemId item) { return nodes_[static_cast<std::size_t>(item) - 1]; }
    const Node& node(TreeItemId item) const { return nodes_[static_cast<std::size_t>(item) - 1]; }
    std::vector<TreeItemId>& siblingsOf(const Node& n);
    // The index when the cache still vouches for it, else -1.
    int trustedIndex(TreeItemId item) const;
    void rebuildOrder() const;
    void positionChanged(int index);
    void forgetSubtree(TreeItemId item);

    std::vector<Node> nodes_;  // id n is nodes_[n - 1]; slots of deleted items stay, dead
    std::vector<TreeItemId> topLevel_;
    int count_ = 0;
    TreeItemId selected_ = TreeItemId::None;
    TreeModelObserver* observer_ = nullptr;

    // Pre-order cache. Entries before validPrefix_ are correct; every change at
    // index p lowers it to p, so adding at the end or walking downwards while
    // changing the tree never forces a rebuild.
    mutable std::vector<TreeItemId> order_;
    mutable int validPrefix_ = 0;

    // Categories by number; commands are not indexed.
    std::unordered_map<std::int32_t, std::vector<TreeItemId>> byValue_;
};

}  // namespace quorvane::tree
