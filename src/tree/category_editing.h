#pragma once
// The categories of the library from the panel: adding one beside or inside
// the selection, changing a description, renaming in place and deleting one
// with everything below it. The library is written first, then the tree
// follows item by item.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/form.h"
#include "platform/messages.h"
#include "store/record_store.h"
#include "tree/category_window.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

// "添加分类" puts the new category beside the selection, "添加子类" inside it.
enum class CategoryPlace { Beside, Inside };

class CategoryEditing {
public:
    // `backUpFirst` runs before a deletion that removes more than one row.
    CategoryEditing(TreeModel& model, store::RecordStore& commandDb, FormHost& forms, Messages& messages,
                    std::function<void()> backUpFirst);

    void addCategory(CategoryPlace place);
    // "修改分类说明...": the selected category, or the category of the selected command.
    void editDescription();
    // "重命名": opens the in-place edit of the current category's label.
    void rename();
    // "删除" of the category item at `index`, after the user says Yes.
    void deleteCategory(int index);

    // The largest number in the tree plus one; nullopt when the numbers are used up.
    std::optional<std::int32_t> newCategoryNumber() const;
    const CategoryBuffers& buffers() const { return buffers_; }

private:
    TreeModel& model_;
    store::RecordStore& commandDb_;
    FormHost& forms_;
    Messages& messages_;
    std::function<void()> backUpFirst_;
    CategoryBuffers buffers_;
};

}  // namespace quorvane::tree
