#include "tree/category_editing.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "store/sql_text.h"
#include "tree/library_rows.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

CategoryEditing::CategoryEditing(TreeModel& model, store::RecordStore& commandDb, FormHost& forms,
                                 Messages& messages, std::function<void()> backUpFirst)
    : model_(model), commandDb_(commandDb), forms_(forms), messages_(messages), backUpFirst_(std::move(backUpFirst)) {}

std::optional<std::int32_t> CategoryEditing::newCategoryNumber() const {
    std::int32_t largest = 0;
    for (int i = 0; i < model_.count(); ++i) largest = std::max(largest, model_.value(i));
    if (largest == std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return largest + 1;
}

void CategoryEditing::addCategory(CategoryPlace place) {
    CategoryWindow window(buffers_);
    forms_.run(categoryForm(), window);
    const CategoryBuffers taken = std::exchange(buffers_, CategoryBuffers{});
    if (taken.categoryNameBuffer.empty()) return;

    const int selected = model_.selected();
    int parent = -1;
    if (selected >= 0) {
        const bool intoSelected = place == CategoryPlace::Inside && !model_.isCommand(selected);
        parent = intoSelected ? selected : model_.parent(selected);
    }
    const std::int32_t parentNumber = parent < 0 ? 0 : model_.value(parent);
    const std::optional<std::int32_t> number = newCategoryNumber();
    const bool inserted =
        number && commandDb_.Insert(kCategoryTable, "分类名,序号,父类,说明",
                                    store::sqlValueList({taken.categoryNameBuffer, std::to_string(*number),
                                                         std::to_string(parentNumber),
                                                         store::escapeDescription(taken.categoryDescriptionBuffer)}));
    if (!inserted) {
        messages_.show("添加失败！");
        return;
    }
    model_.add(parent, taken.categoryNameBuffer, ItemKind::Category, *number, commandDb_.lastInsertedId());
    // The new item is seen where it went; the selection stays, so the next
    // addition follows the same rule.
    if (parent >= 0) model_.expand(parent);
}

void CategoryEditing::editDescription() {
    const int category = model_.currentCategoryItem();
    if (category < 0) return;
    const std::int64_t row = model_.rowId(category);
    buffers_.categoryNameBuffer = model_.label(category);
    if (auto description = rowDescription(commandDb_, kCategoryTable, row))
        buffers_.categoryDescriptionBuffer = std::move(*description);

    CategoryWindow window(buffers_);
    forms_.run(categoryForm(), window);
    const std::string description = std::exchange(buffers_, CategoryBuffers{}).categoryDescriptionBuffer;
    // An empty box reads like a cancel: the stored description stays.
    if (description.empty()) return;
    const std::string assignment =
        std::string(kDescriptionColumn) + "=" + store::sqlQuote(store::escapeDescription(description));
    if (!updateRow(commandDb_, kCategoryTable, row, assignment)) messages_.show("修改失败！", MessageIcon::Warning);
}

void CategoryEditing::rename() {
    const int category = model_.currentCategoryItem();
    if (category < 0) {
        messages_.show("请选择要重命名的分类");
        return;
    }
    model_.setSelected(category);
    model_.beginEditing(category);
}

void CategoryEditing::deleteCategory(int index) {
    const std::string question =
        "确定删除分类“" + model_.label(index) + "”吗?\r\n删除后其子类及其命令项也将被删除。";
    if (messages_.show(question, MessageIcon::Question, "询问：", MessageButtons::YesNo) != MessageAnswer::Yes) return;

    // In pre-order, index .. last are the category and its whole subtree.
    const int depth = model_.depth(index);
    int last = index;
    while (last + 1 < model_.count() && model_.depth(last + 1) > depth) ++last;
    if (last > index && backUpFirst_) backUpFirst_();

    // Highest index first: deleting an item never moves one still to be
    // visited, and children go before their parents. Each item's own row goes,
    // by its ID. A row that cannot be deleted keeps its item, and so do the
    // categories above it: the row stays where the user can reach it.
    bool failed = false;
    for (int i = last; i >= index; --i) {
        const bool keepsAnItem = !model_.isCommand(i) && model_.hasChildren(model_.itemAt(i));
        if (!keepsAnItem &&
            deleteRow(commandDb_, model_.isCommand(i) ? kCommandTable : kCategoryTable, model_.rowId(i))) {
            model_.remove(i);
        } else {
            failed = true;
        }
    }
    if (failed) messages_.show("删除失败");
}

}  // namespace quorvane::tree
