#pragma once
// Everything the panel changes in the library from the command menu and the
// tree's keys: categories, commands, and "删除", which is either's.
#include <functional>

#include "platform/form.h"
#include "platform/messages.h"
#include "store/record_store.h"
#include "tree/category_editing.h"
#include "tree/command_editing.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

class LibraryEditing {
public:
    // `backUpFirst` runs before a change that removes more than one row.
    LibraryEditing(TreeModel& model, store::RecordStore& commandDb, FormHost& forms, Messages& messages,
                   std::function<void()> backUpFirst)
        : model_(model),
          messages_(messages),
          categories_(model, commandDb, forms, messages, std::move(backUpFirst)),
          commands_(model, commandDb, forms, messages) {}

    CategoryEditing& categories() { return categories_; }
    CommandEditing& commands() { return commands_; }

    // "删除": the selected command, or the selected category with everything below it.
    void deleteSelected();
    // F2 in the tree: the selected category's label opens for editing; any other selection is left alone.
    void renameSelectedCategory();

private:
    TreeModel& model_;
    Messages& messages_;
    CategoryEditing categories_;
    CommandEditing commands_;
};

}  // namespace quorvane::tree
