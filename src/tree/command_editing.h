#pragma once
// The commands of the library from the panel: "添加" and "修改" open
// CommandEditWindow, "删除" deletes the selected command without a question.
#include "platform/form.h"
#include "platform/messages.h"
#include "store/record_store.h"
#include "tree/command_edit_window.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

class CommandEditing {
public:
    CommandEditing(TreeModel& model, store::RecordStore& commandDb, FormHost& forms, Messages& messages)
        : model_(model), commandDb_(commandDb), forms_(forms), messages_(messages) {}

    void addCommand();
    // With nothing selected it says so; with a category selected it does nothing.
    void modifyCommand();
    // The command item at `index`: exactly its own row.
    void deleteCommand(int index);

    const CommandEditState& state() const { return state_; }

private:
    TreeModel& model_;
    store::RecordStore& commandDb_;
    FormHost& forms_;
    Messages& messages_;
    CommandEditState state_;
};

}  // namespace quorvane::tree
