#pragma once
// CommandEditWindow: adds commands to a chosen category, any number in one
// opening, or modifies the selected command and closes. Every change goes
// to the library first and then to the tree, item by item.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/messages.h"
#include "store/record_store.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

namespace command_window_ids {
inline constexpr int Add = 1;  // "添加", or "修改" when modifying
inline constexpr int Close = kCloseFormId;
inline constexpr int Name = 1601;
inline constexpr int ChineseName = 1602;
inline constexpr int Category = 1603;
inline constexpr int Description = 1604;
}  // namespace command_window_ids

inline constexpr char kCommandWindowCaption[] = "命令添加";

FormLayout commandForm();

// Where the description box and the two buttons go in a client area of this
// size (pixels at 96 DPI); nothing else moves.
struct CommandFormPlaces {
    Rect description;
    Rect addButton;
    Rect closeButton;
};
CommandFormPlaces commandFormPlaces(int clientWidth, int clientHeight);

enum class CommandEditMode { Add = 0, Modify = 1 };

// Kept from one opening to the next, as the menu commands leave it.
struct CommandEditState {
    CommandEditMode commandEditMode = CommandEditMode::Add;
    // The ID of the row being modified; read afresh at each opening in Modify.
    std::int64_t editedCommandId = 0;
    // The number of the category the modified command was in when the window
    // opened: a change of category is a change of this number, so moving
    // between two categories of the same name moves the item too.
    std::int32_t editedCommandCategory = 0;
};

// A row of 命令库 as the window shows it: the description with its apostrophes back.
struct CommandRow {
    std::string name;
    std::string chineseName;
    std::string description;
};

class CommandEditWindow final : public FormController {
public:
    // `edited` is the row of the selected command when modifying.
    CommandEditWindow(TreeModel& model, store::RecordStore& commandDb, Messages& messages, CommandEditState& state,
                      std::optional<CommandRow> edited);

    void opened(FormView& form) override;
    void clicked(int id, FormView& form) override;
    void resized(int clientWidth, int clientHeight, FormView& form) override;

private:
    void fillCategories(FormView& form);
    void add(FormView& form, std::int32_t category);
    void modify(FormView& form, std::int32_t category);

    TreeModel& model_;
    store::RecordStore& commandDb_;
    Messages& messages_;
    CommandEditState& state_;
    std::optional<CommandRow> edited_;
    // The category number of each entry of the category list.
    std::vector<std::int32_t> categoryNumbers_;
};

}  // namespace quorvane::tree
