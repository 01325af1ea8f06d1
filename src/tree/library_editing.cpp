#include "tree/library_editing.h"

namespace quorvane::tree {

void LibraryEditing::deleteSelected() {
    const int selected = model_.selected();
    if (selected < 0) {
        messages_.show("请选择要删除的命令");
    } else if (model_.isCommand(selected)) {
        commands_.deleteCommand(selected);
    } else {
        categories_.deleteCategory(selected);
    }
}

void LibraryEditing::renameSelectedCategory() {
    const int selected = model_.selected();
    if (selected >= 0 && !model_.isCommand(selected)) categories_.rename();
}

}  // namespace quorvane::tree
