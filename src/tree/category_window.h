#pragma once
// CategoryWindow: the name and description of a new category, or the new
// description of an existing one. The panel hands texts in and takes them
// back through two buffers; the window's mode follows from the name buffer.
#include <string>

#include "platform/form.h"

namespace quorvane::tree {

namespace category_window_ids {
inline constexpr int Ok = 1;
inline constexpr int Cancel = kCloseFormId;
inline constexpr int Name = 1501;
inline constexpr int Description = 1502;
}  // namespace category_window_ids

inline constexpr char kAddCategoryCaption[] = "添加分类";
inline constexpr char kEditCategoryDescriptionCaption[] = "修改分类说明";

FormLayout categoryForm();

// The channel between the panel and the window. Empty whenever no command
// that opens the window is running.
struct CategoryBuffers {
    std::string categoryNameBuffer;
    std::string categoryDescriptionBuffer;
};

class CategoryWindow final : public FormController {
public:
    explicit CategoryWindow(CategoryBuffers& buffers) : buffers_(buffers) {}

    // Add mode with an empty name buffer, description mode otherwise; the
    // buffers are emptied either way, so a cancel hands back nothing.
    void opened(FormView& form) override;
    // "确定" fills the buffers from the boxes and closes the window.
    void clicked(int id, FormView& form) override;

private:
    CategoryBuffers& buffers_;
};

}  // namespace quorvane::tree
