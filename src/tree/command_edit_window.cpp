#include "tree/command_edit_window.h"

#include <algorithm>
#include <utility>

#include "settings/settings_file.h"
#include "store/sql_text.h"
#include "tree/library_rows.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

namespace ids = command_window_ids;

namespace {

constexpr int kDescriptionLeft = 61;
constexpr int kDescriptionTop = 89;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 32;
constexpr int kAddButtonLeft = 130;
constexpr int kCloseButtonLeft = 252;

}  // namespace

FormLayout commandForm() {
    using Kind = FormControlKind;
    const CommandFormPlaces designed{{kDescriptionLeft, kDescriptionTop, 387, 143},
                                     {kAddButtonLeft, 256, kButtonWidth, kButtonHeight},
                                     {kCloseButtonLeft, 256, kButtonWidth, kButtonHeight}};
    return {kCommandWindowCaption,
            464,
            343,
            true,
            {
                // Each label reaches to 2 pixels before its box, so the UI font never cuts it off.
                {Kind::Label, 0, "命令名：", {11, 12, 48, 16}},
                {Kind::Edit, ids::Name, "", {61, 7, 386, 24}, 255},
                {Kind::Label, 0, "中文名：", {10, 40, 49, 16}},
                {Kind::Edit, ids::ChineseName, "", {61, 35, 386, 24}, 255},
                {Kind::Label, 0, "分类：", {22, 66, 37, 16}},
                {Kind::DropDownList, ids::Category, "", {61, 63, 187, 22}},
                {Kind::Label, 0, "说明：", {21, 90, 38, 16}},
                {Kind::MultilineEdit, ids::Description, "", designed.description},
                {Kind::DefaultButton, ids::Add, "添加", designed.addButton},
                {Kind::Button, ids::Close, "关闭", designed.closeButton},
            }};
}

CommandFormPlaces commandFormPlaces(int clientWidth, int clientHeight) {
    const int buttonTop = std::max(0, clientHeight - 50);
    return {{kDescriptionLeft, kDescriptionTop, std::max(0, clientWidth - 70), std::max(0, clientHeight - 150)},
            {kAddButtonLeft, buttonTop, kButtonWidth, kButtonHeight},
            {kCloseButtonLeft, buttonTop, kButtonWidth, kButtonHeight}};
}

CommandEditWindow::CommandEditWindow(TreeModel& model, store::RecordStore& commandDb, Messages& messages,
                                     CommandEditState& state, std::optional<CommandRow> edited)
    : model_(model), commandDb_(commandDb), messages_(messages), state_(state), edited_(std::move(edited)) {}

void CommandEditWindow::opened(FormView& form) {
    const bool modifying = state_.commandEditMode == CommandEditMode::Modify;
    form.setText(ids::Add, modifying ? "修改" : "添加");
    fillCategories(form);
    if (modifying && edited_) {
        form.setText(ids::Name, edited_->name);
        form.setText(ids::ChineseName, edited_->chineseName);
        form.setText(ids::Description, edited_->description);
    }
}

// One entry per row of 分类表, in the order the rows come; the list starts on
// the category of the tree's selection.
void CommandEditWindow::fillCategories(FormView& form) {
    const int current = model_.currentCategoryItem();
    std::vector<std::string> names;
    categoryNumbers_.clear();
    int selected = -1;
    const store::ResultSetHandle rows = commandDb_.Query(kCategoryTable, "*", "");
    while (rows != 0 && !commandDb_.PastEnd(rows)) {
        names.push_back(commandDb_.ReadText(kCategoryNameColumn, rows));
        categoryNumbers_.push_back(settings::toInteger(commandDb_.ReadText(kCategoryNumberColumn, rows)));
        if (selected < 0 && current >= 0 && categoryNumbers_.back() == model_.value(current))
            selected = static_cast<int>(names.size()) - 1;
        commandDb_.NextRecord(rows);
    }
    if (rows != 0) commandDb_.CloseQuery(rows);
    form.setItems(ids::Category, names);
    if (selected >= 0) form.selectItem(ids::Category, selected);
}

void CommandEditWindow::clicked(int id, FormView& form) {
    if (id != ids::Add) return;
    const int entry = form.selectedItem(ids::Category);
    if (entry < 0 || entry >= static_cast<int>(categoryNumbers_.size())) {
        messages_.show("请选择分类");
        return;
    }
    if (form.text(ids::Name).empty()) {
        messages_.show("请输入命令名");
        return;
    }
    const std::int32_t category = categoryNumbers_[static_cast<std::size_t>(entry)];
    if (state_.commandEditMode == CommandEditMode::Modify)
        modify(form, category);
    else
        add(form, category);
}

void CommandEditWindow::add(FormView& form, std::int32_t category) {
    const std::string name = form.text(ids::Name);
    if (commandDb_.Exists(kCommandTable, kCommandNameColumn,
                          std::string(kCommandNameColumn) + "=" + store::sqlQuote(name))) {
        messages_.show("此命令已经添加过");
        return;
    }
    const std::string chineseName = form.text(ids::ChineseName);
    const bool inserted = commandDb_.Insert(
        kCommandTable, "命令名,中文名,分类,说明",
        store::sqlValueList({name, chineseName, std::to_string(category),
                             store::escapeDescription(form.text(ids::Description))}));
    if (!inserted) {
        messages_.show("添加失败");
        return;
    }
    if (const int parent = model_.findItemByValue(category); parent >= 0) {
        model_.add(parent, commandLabel(name, chineseName), ItemKind::Command, 0, commandDb_.lastInsertedId());
        model_.expand(parent);
    }
    // Ready for the next command of the same category.
    form.setText(ids::Name, "");
    form.setText(ids::ChineseName, "");
    form.setText(ids::Description, "");
    form.setFocus(ids::Name);
}

void CommandEditWindow::modify(FormView& form, std::int32_t category) {
    const std::string name = form.text(ids::Name);
    const std::string chineseName = form.text(ids::ChineseName);
    std::string assignments = std::string(kCommandNameColumn) + "=" + store::sqlQuote(name);
    assignments.append(",").append(kChineseNameColumn).append("=").append(store::sqlQuote(chineseName));
    assignments.append(",").append(kCommandCategoryColumn).append("=").append(store::sqlQuote(std::to_string(category)));
    assignments.append(",").append(kDescriptionColumn).append("=");
    assignments.append(store::sqlQuote(store::escapeDescription(form.text(ids::Description))));
    if (!updateRow(commandDb_, kCommandTable, state_.editedCommandId, assignments)) {
        messages_.show("修改失败");
        return;
    }

    const std::string label = commandLabel(name, chineseName);
    const int selected = model_.currentCommandItem();
    if (category != state_.editedCommandCategory) {
        const std::int64_t row = model_.rowId(selected);
        model_.remove(selected);
        // Indices have moved: the new category is looked up again.
        const int parent = model_.findItemByValue(category);
        if (parent >= 0) model_.setSelected(model_.add(parent, label, ItemKind::Command, 0, row));
    } else {
        model_.setLabel(selected, label);
    }
    form.close();
}

void CommandEditWindow::resized(int clientWidth, int clientHeight, FormView& form) {
    const CommandFormPlaces places = commandFormPlaces(clientWidth, clientHeight);
    form.place(ids::Description, places.description);
    form.place(ids::Add, places.addButton);
    form.place(ids::Close, places.closeButton);
}

}  // namespace quorvane::tree
