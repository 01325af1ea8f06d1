#pragma once
// Modal dialogs described by the core: which controls stand where, and what
// happens when the user acts on them. The window layer only shows a form
// and reports what was clicked; every rule of a dialog is the core's.
#include <string>
#include <vector>

#include "platform/types.h"

namespace quorvane {

enum class FormControlKind {
    Label,
    Edit,           // one line
    MultilineEdit,  // Enter makes a new line; a vertical scroll bar
    DropDownList,   // a closed list the user picks from, no typing
    CheckBox,
    RadioButton,  // a run of radio buttons in the list is one group
    Button,
    DefaultButton,  // Enter clicks it
    Link,           // text that opens something when clicked
};

// A button with this id closes its form like the close box, with no click
// reported: the form's "取消" or "关闭".
inline constexpr int kCloseFormId = 2;

struct FormControl {
    FormControlKind kind = FormControlKind::Label;
    int id = 0;
    std::string text;
    Rect place;         // in the client area, in pixels at 96 DPI
    int maxLength = 0;  // edit boxes, in characters; 0: no limit of ours
};

struct FormLayout {
    std::string caption;
    int width = 0;  // outer size, in pixels at 96 DPI
    int height = 0;
    bool resizable = false;
    std::vector<FormControl> controls;  // in Tab order
};

// The open form, as its controller reads and changes it.
class FormView {
public:
    virtual ~FormView() = default;
    virtual std::string text(int id) = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual bool isChecked(int id) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    // A drop-down list's entries; none is selected afterwards.
    virtual void setItems(int id, const std::vector<std::string>& items) = 0;
    // -1 when no entry is selected.
    virtual int selectedItem(int id) = 0;
    virtual void selectItem(int id, int index) = 0;
    virtual void setFocus(int id) = 0;
    // A disabled control shows its text greyed and takes no input.
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Moves a control, in client pixels at 96 DPI.
    virtual void place(int id, const Rect& place) = 0;
    virtual void close() = 0;
};

class FormController {
public:
    virtual ~FormController() = default;
    // The controls exist and show the layout's texts.
    virtual void opened(FormView&) {}
    // A button, check box, radio button or link was clicked (a box already
    // shows its new state), or Enter clicked the default button.
    virtual void clicked(int id, FormView& form) = 0;
    // A resizable form's client area became this size (pixels at 96 DPI).
    virtual void resized(int /*clientWidth*/, int /*clientHeight*/, FormView&) {}
};

class FormHost {
public:
    virtual ~FormHost() = default;
    // Shows the form modally, owned by the panel and placed over it; returns
    // once it has closed. Esc and the close box close it without a click.
    virtual void run(const FormLayout& layout, FormController& controller) = 0;
};

}  // namespace quorvane
