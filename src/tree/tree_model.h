#pragma once
// The command tree: categories and commands as items addressed by pre-order
// index (-1: none, or the top level as a parent). The tree view on screen
// mirrors this model through TreeView notifications and reads it through
// TreeItemSource, by stable ids.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/tree_view.h"

namespace quorvane::tree {

inline constexpr int kCategoryImage = 2;
inline constexpr int kCommandImage = 12;
// Between a command's name and its Chinese name in its label.
inline constexpr std::string_view kChineseNameSeparator = " //";

// The part of a label before the first " //", or the whole label.
std::string commandNameOf(std::string_view label);
// A command item's label: the name, plus " //" and the Chinese name when there is one.
std::string commandLabel(std::string_view name, std::string_view chineseName);

class TreeModel final : public TreeItemSource {
public:
    TreeModel() = default;
    TreeModel(const TreeModel&) = delete;
    TreeModel& operator=(const TreeModel&) = delete;

    // The mirror to notify; null for none. Not owned.
    void setView(TreeView* view) { view_ = view; }

    // By index. An index outside 0 .. count - 1 reads as an empty label,
    // value 0, image -1, and changes nothing.
    int count() const { return count_; }
    const std::string& label(int index) const;
    void setLabel(int index, std::string label);
    std::int32_t value(int index) const;
    int image(int index) const;
    // The new item becomes the last child of `parentIndex` (-1: top level);
    // returns its index, or -1 when the parent index is out of range.
    int add(int parentIndex, std::string label, int image, std::int32_t value);
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

    // The lowest index whose value equals `value`, or -1.
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
    TreeItemId addChild(TreeItemId parent, std::string label, int image, std::int32_t value);
    TreeItemId findIdByValue(std::int32_t value) const;
    // The user selected an item in the view: recorded, not echoed back.
    void followViewSelection(TreeItemId item);

    // TreeItemSource
    std::vector<TreeItemId> childrenOf(TreeItemId parent) const override;
    std::string labelOf(TreeItemId item) const override;
    int imageOf(TreeItemId item) const override;
    bool hasChildren(TreeItemId item) const override;
    bool isExpanded(TreeItemId item) const override;
    TreeItemId parentOf(TreeItemId item) const override;
    TreeItemId selectedItem() const override { return selected_; }
    int indexOf(TreeItemId item) const override;
    TreeItemId itemAt(int index) const override;

private:
    struct Node {
        std::string label;
        int image = 0;
        std::int32_t value = 0;
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
    TreeView* view_ = nullptr;

    // Pre-order cache. Entries before validPrefix_ are correct; every change at
    // index p lowers it to p, so adding at the end or walking downwards while
    // changing the tree never forces a rebuild.
    mutable std::vector<TreeItemId> order_;
    mutable int validPrefix_ = 0;

    // Items by value, for category numbers; commands (value 0) are not indexed.
    std::unordered_map<std::int32_t, std::vector<TreeItemId>> byValue_;
};

}  // namespace quorvane::tree
