#include "tree/tree_model.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace quorvane::tree {

namespace {

const std::string kNoLabel;

}  // namespace

std::string commandNameOf(std::string_view label) {
    return std::string(label.substr(0, label.find(kChineseNameSeparator)));
}

std::string commandLabel(std::string_view name, std::string_view chineseName) {
    std::string label(name);
    if (!chineseName.empty()) {
        label += kChineseNameSeparator;
        label += chineseName;
    }
    return label;
}

const std::string& TreeModel::label(int index) const {
    const TreeItemId item = itemAt(index);
    return item == TreeItemId::None ? kNoLabel : node(item).label;
}

void TreeModel::setLabel(int index, std::string label) {
    const TreeItemId item = itemAt(index);
    if (item == TreeItemId::None) return;
    node(item).label = std::move(label);
    if (observer_) observer_->itemRelabelled(item);
}

std::int32_t TreeModel::value(int index) const {
    const TreeItemId item = itemAt(index);
    return item == TreeItemId::None ? 0 : node(item).value;
}

std::int64_t TreeModel::rowId(int index) const {
    const TreeItemId item = itemAt(index);
    return item == TreeItemId::None ? 0 : node(item).rowId;
}

bool TreeModel::isCommand(int index) const {
    const TreeItemId item = itemAt(index);
    return item != TreeItemId::None && node(item).kind == ItemKind::Command;
}

int TreeModel::image(int index) const {
    return imageOf(itemAt(index));
}

int TreeModel::add(int parentIndex, std::string label, ItemKind kind, std::int32_t value, std::int64_t rowId) {
    if (parentIndex < -1 || parentIndex >= count_) return -1;
    const TreeItemId parentItem = itemAt(parentIndex);
    // The new last child follows the parent's whole subtree.
    const int index = parentItem == TreeItemId::None ? count_ : parentIndex + node(parentItem).subtreeSize;
    addChild(parentItem, std::move(label), kind, value, rowId);
    return index;
}

TreeItemId TreeModel::addChild(TreeItemId parentItem, std::string label, ItemKind kind, std::int32_t value,
                               std::int64_t rowId) {
    if (parentItem != TreeItemId::None && !isLive(parentItem)) return TreeItemId::None;

    // Where it lands, when the cache knows; otherwise it lands beyond the
    // valid prefix (after its parent, which is already beyond it).
    int index = std::numeric_limits<int>::max();
    if (parentItem == TreeItemId::None) {
        index = count_;
    } else if (const int parentIndex = trustedIndex(parentItem); parentIndex >= 0) {
        index = parentIndex + node(parentItem).subtreeSize;
    }

    Node& added = nodes_.emplace_back();
    const auto item = static_cast<TreeItemId>(nodes_.size());
    added.label = std::move(label);
    added.kind = kind;
    added.value = kind == ItemKind::Category ? value : 0;
    added.rowId = rowId;
    added.parent = parentItem;
    added.index = index;
    siblingsOf(added).push_back(item);
    for (TreeItemId up = parentItem; up != TreeItemId::None; up = node(up).parent) ++node(up).subtreeSize;
    ++count_;
    if (kind == ItemKind::Category) byValue_[added.value].push_back(item);
    if (index != std::numeric_limits<int>::max()) positionChanged(index);

    if (observer_) observer_->itemAdded(item, parentItem);
    return item;
}

bool TreeModel::remove(int index) {
    const TreeItemId item = itemAt(index);
    if (item == TreeItemId::None) return false;

    Node& removed = node(item);
    std::vector<TreeItemId>& siblings = siblingsOf(removed);
    // Deletions mostly walk from the last item down, so search from the back.
    siblings.erase(std::find(siblings.rbegin(), siblings.rend(), item).base() - 1);
    for (TreeItemId up = removed.parent; up != TreeItemId::None; up = node(up).parent)
        node(up).subtreeSize -= removed.subtreeSize;
    count_ -= removed.subtreeSize;
    forgetSubtree(item);
    positionChanged(index);

    if (observer_) observer_->itemRemoved(item);
    return true;
}

int TreeModel::parent(int index) const {
    const TreeItemId item = itemAt(index);
    return item == TreeItemId::None ? -1 : indexOf(node(item).parent);
}

int TreeModel::depth(int index) const {
    int levels = 0;
    for (TreeItemId up = itemAt(index); up != TreeItemId::None; up = node(up).parent) ++levels;
    return levels;
}

void TreeModel::expand(int index) {
    const TreeItemId item = itemAt(index);
    if (item == TreeItemId::None) return;
    node(item).expanded = true;
    if (observer_) observer_->itemExpanded(item);
}

bool TreeModel::isExpanded(int index) const {
    return isExpanded(itemAt(index));
}

void TreeModel::beginEditing(int index) {
    const TreeItemId item = itemAt(index);
    if (item != TreeItemId::None && observer_) observer_->editingBegun(item);
}

int TreeModel::selected() const {
    return indexOf(selected_);
}

void TreeModel::setSelected(int index) {
    const TreeItemId item = itemAt(index);
    if (item == selected_) return;
    selected_ = item;
    if (observer_) observer_->selectionChanged(item);
}

int TreeModel::findItemByValue(std::int32_t value) const {
    return indexOf(findIdByValue(value));
}

TreeItemId TreeModel::findIdByValue(std::int32_t value) const {
    const auto found = byValue_.find(value);
    if (found == byValue_.end() || found->second.empty()) return TreeItemId::None;
    const std::vector<TreeItemId>& items = found->second;
    if (items.size() == 1) return items.front();
    // Two categories with one number: the one that comes first in the tree.
    return *std::min_element(items.begin(), items.end(),
                             [this](TreeItemId a, TreeItemId b) { return indexOf(a) < indexOf(b); });
}

int TreeModel::currentCategoryItem() const {
    const int s = selected();
    return isCommand(s) ? parent(s) : s;
}

int TreeModel::currentCommandItem() const {
    const int s = selected();
    return isCommand(s) ? s : -1;
}

std::string TreeModel::itemName(int index, bool whole) const {
    return whole ? label(index) : commandNameOf(label(index));
}

void TreeModel::followViewSelection(TreeItemId item) {
    selected_ = isLive(item) ? item : TreeItemId::None;
}

std::vector<TreeItemId> TreeModel::childrenOf(TreeItemId parentItem) const {
    if (parentItem == TreeItemId::None) return topLevel_;
    return isLive(parentItem) ? node(parentItem).children : std::vector<TreeItemId>{};
}

std::string TreeModel::labelOf(TreeItemId item) const {
    return isLive(item) ? node(item).label : std::string();
}

int TreeModel::imageOf(TreeItemId item) const {
    if (!isLive(item)) return -1;
    return node(item).kind == ItemKind::Command ? kCommandImage : kCategoryImage;
}

bool TreeModel::hasChildren(TreeItemId item) const {
    return isLive(item) && !node(item).children.empty();
}

bool TreeModel::isExpanded(TreeItemId item) const {
    return isLive(item) && node(item).expanded;
}

TreeItemId TreeModel::parentOf(TreeItemId item) const {
    return isLive(item) ? node(item).parent : TreeItemId::None;
}

int TreeModel::indexOf(TreeItemId item) const {
    if (!isLive(item)) return -1;
    if (const int index = trustedIndex(item); index >= 0) return index;
    rebuildOrder();
    return node(item).index;
}

TreeItemId TreeModel::itemAt(int index) const {
    if (index < 0 || index >= count_) return TreeItemId::None;
    if (index >= validPrefix_) rebuildOrder();
    return order_[static_cast<std::size_t>(index)];
}

bool TreeModel::isLive(TreeItemId item) const {
    const auto n = static_cast<std::size_t>(item);
    return n >= 1 && n <= nodes_.size() && nodes_[n - 1].alive;
}

std::vector<TreeItemId>& TreeModel::siblingsOf(const Node& n) {
    return n.parent == TreeItemId::None ? topLevel_ : node(n.parent).children;
}

int TreeModel::trustedIndex(TreeItemId item) const {
    const int index = node(item).index;
    if (index >= 0 && index < validPrefix_ && order_[static_cast<std::size_t>(index)] == item) return index;
    return -1;
}

void TreeModel::rebuildOrder() const {
    order_.clear();
    order_.reserve(static_cast<std::size_t>(count_));
    std::vector<TreeItemId> pending(topLevel_.rbegin(), topLevel_.rend());
    while (!pending.empty()) {
        const TreeItemId item = pending.back();
        pending.pop_back();
        const Node& n = node(item);
        n.index = static_cast<int>(order_.size());
        order_.push_back(item);
        pending.insert(pending.end(), n.children.rbegin(), n.children.rend());
    }
    validPrefix_ = count_;
}

void TreeModel::positionChanged(int index) {
    validPrefix_ = std::min(validPrefix_, index);
}

void TreeModel::forgetSubtree(TreeItemId item) {
    std::vector<TreeItemId> pending{item};
    while (!pending.empty()) {
        const TreeItemId gone = pending.back();
        pending.pop_back();
        Node& n = node(gone);
        if (n.kind == ItemKind::Category) {
            std::vector<TreeItemId>& same = byValue_[n.value];
            same.erase(std::find(same.begin(), same.end(), gone));
            if (same.empty()) byValue_.erase(n.value);
        }
        if (selected_ == gone) selected_ = TreeItemId::None;
        pending.insert(pending.end(), n.children.begin(), n.children.end());
        n.alive = false;
        n.label = std::string();
        n.children = std::vector<TreeItemId>();
    }
}

}  // namespace quorvane::tree
