#include "tree/category_window.h"

namespace quorvane::tree {

namespace ids = category_window_ids;

FormLayout categoryForm() {
    using Kind = FormControlKind;
    return {kAddCategoryCaption,
            380,
            259,
            false,
            {
                // The labels start further left than designed and reach to
                // 2 pixels before their boxes, so the UI font never cuts them off.
                {Kind::Label, 0, "分类名称：", {8, 18, 64, 16}},
                {Kind::Edit, ids::Name, "", {74, 14, 284, 24}},
                {Kind::Label, 0, "分类说明：", {8, 45, 64, 16}},
                {Kind::MultilineEdit, ids::Description, "", {74, 41, 284, 119}},
                {Kind::DefaultButton, ids::Ok, "确定", {87, 174, 80, 32}},
                {Kind::Button, ids::Cancel, "取消", {207, 174, 80, 32}},
            }};
}

void CategoryWindow::opened(FormView& form) {
    if (!buffers_.categoryNameBuffer.empty()) {
        form.setText(ids::Name, buffers_.categoryNameBuffer);
        form.setCaption(kEditCategoryDescriptionCaption);
        form.setText(ids::Description, buffers_.categoryDescriptionBuffer);
        // What is typed over the name would not be stored: only the description is.
        form.setEnabled(ids::Name, false);
        form.setFocus(ids::Description);
    }
    buffers_ = CategoryBuffers{};
}

void CategoryWindow::clicked(int id, FormView& form) {
    if (id != ids::Ok) return;
    buffers_.categoryNameBuffer = form.text(ids::Name);
    buffers_.categoryDescriptionBuffer = form.text(ids::Description);
    form.close();
}

}  // namespace quorvane::tree
