#include "win32/builder_dialogs.h"

#include <algorithm>
#include <initializer_list>

#include "win32/dialog_template.h"
#include "win32/ui_font.h"
#include "win32/win_text.h"

namespace quorvane::win32 {

namespace ids = builder_ids;

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kLabelGap = 6;
constexpr int kButtonWidth = 75;

// The grid all four dialogs share: a column of labels, fields to their
// right, OK and Cancel in the bottom right corner.
struct Form {
    const DialogPlacer& placer;
    int fieldX;

    Form(const DialogPlacer& p, std::initializer_list<int> labels) : placer(p), fieldX(0) {
        int widest = 0;
        for (int label : labels) widest = std::max(widest, placer.labelWidth(label));
        fieldX = kMargin + widest + kLabelGap;
    }

    int pitch() const { return placer.fieldHeight() + kGap; }
    int row(int index) const { return kMargin + index * pitch(); }
    int right() const { return placer.clientWidth() - kMargin; }
    int buttonHeight() const { return placer.fieldHeight() + 2; }
    int buttonTop() const { return placer.clientHeight() - kMargin - buttonHeight(); }

    void field(int label, int control, int rowIndex, int width = 0) const {
        placer.placeLabel(label, kMargin, row(rowIndex));
        placer.place(control, fieldX, row(rowIndex), width > 0 ? width : right() - fieldX, placer.fieldHeight());
    }
    // Check boxes or radio buttons side by side from x; returns where the
    // next control may start. A row too wide for the dialog (a large font)
    // first starts further left, down to minX, then closes its gaps, rather
    // than running past the edge.
    int choices(std::initializer_list<int> controls, int x, int rowY, int minX = -1) const {
        int widths = 0;
        for (int control : controls) widths += placer.choiceWidth(control);
        const int gaps = static_cast<int>(controls.size()) - 1;
        int gap = kGap;
        if (x + widths + gaps * gap > right()) {
            if (minX >= 0) x = std::max(minX, right() - widths - gaps * gap);
            if (gaps > 0 && x + widths + gaps * gap > right())
                gap = std::max(0, (right() - x - widths) / gaps);
        }
        for (int control : controls) {
            placer.placeChoice(control, x, rowY);
            x += placer.choiceWidth(control) + gap;
        }
        return x;
    }
    void buttons() const {
        const int top = buttonTop();
        placer.place(ids::Cancel, right() - kButtonWidth, top, kButtonWidth, buttonHeight());
        placer.place(ids::Ok, right() - 2 * kButtonWidth - kGap, top, kButtonWidth, buttonHeight());
    }
};

void appendButtons(std::vector<DialogControl>& controls) {
    controls.push_back({ControlKind::DefaultButton, ids::Ok, L"确定"});
    controls.push_back({ControlKind::Button, ids::Cancel, L"取消"});
}

void fillTypes(HWND dialog, int id, const std::vector<std::string>& types, int selected) {
    HWND combo = GetDlgItem(dialog, id);
    for (const auto& type : types) {
        const std::wstring text = toUtf16(type);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

std::string selectedText(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return toUtf8(text);
}

std::string fieldText(HWND dialog, int id) { return toUtf8(controlText(dialog, id)); }

}  // namespace

WinBuilderDialogs::WinBuilderDialogs(HWND owner, HFONT font) : owner_(owner), font_(font) {
    if (font_ == nullptr) {
        ownFont_ = createMessageFont();
        font_ = ownFont_;
    }
}

WinBuilderDialogs::~WinBuilderDialogs() {
    if (ownFont_ != nullptr) DeleteObject(ownFont_);
}

std::optional<FunctionFields> WinBuilderDialogs::askFunction(const std::vector<std::string>& types,
                                                             int selectedType) {
    FunctionFields fields;
    ModalDialog dialog;
    dialog.caption = L"插入子程序";
    dialog.outerWidth = 338;
    dialog.outerHeight = 200;
    dialog.controls = {
        {ControlKind::Label, ids::FunctionReturnTypeLabel, L"返回类型："},
        {ControlKind::DropDownList, ids::FunctionReturnType, L""},
        {ControlKind::Label, ids::FunctionNameLabel, L"子程序名："},
        {ControlKind::Edit, ids::FunctionName, L""},
        {ControlKind::Label, ids::FunctionParametersLabel, L"参数："},
        {ControlKind::Edit, ids::FunctionParameters, L""},
    };
    appendButtons(dialog.controls);
    dialog.layout = [](const DialogPlacer& placer) {
        const Form form(placer,
                        {ids::FunctionReturnTypeLabel, ids::FunctionNameLabel, ids::FunctionParametersLabel});
        form.field(ids::FunctionReturnTypeLabel, ids::FunctionReturnType, 0, 160);
        form.field(ids::FunctionNameLabel, ids::FunctionName, 1);
        form.field(ids::FunctionParametersLabel, ids::FunctionParameters, 2);
        form.buttons();
    };
    dialog.init = [&](HWND window) { fillTypes(window, ids::FunctionReturnType, types, selectedType); };
    dialog.accept = [&](HWND window) {
        fields.returnType = selectedText(window, ids::FunctionReturnType);
        fields.name = fieldText(window, ids::FunctionName);
        fields.parameters = fieldText(window, ids::FunctionParameters);
    };
    if (!runModalDialog(owner_, font_, dialog)) return std::nullopt;
    return fields;
}

std::optional<VariableFields> WinBuilderDialogs::askVariable(const std::vector<std::string>& types,
                                                             int selectedType) {
    VariableFields fields;
    ModalDialog dialog;
    dialog.caption = L"插入变量";
    dialog.outerWidth = 348;
    dialog.outerHeight = 200;
    dialog.controls = {
        {ControlKind::Label, ids::VariableTypeLabel, L"变量类型："},
        {ControlKind::DropDownList, ids::VariableType, L""},
        {ControlKind::CheckBox, ids::VariablePointer, L"为指针"},
        {ControlKind::Label, ids::VariableNameLabel, L"变量名称："},
        {ControlKind::Edit, ids::VariableName, L""},
        {ControlKind::Label, ids::VariableValueLabel, L"变量值："},
        {ControlKind::Edit, ids::VariableValue, L""},
        {ControlKind::RadioButton, ids::VariableOrdinary, L"一般变量"},
        {ControlKind::RadioButton, ids::VariableStatic, L"静态变量"},
        {ControlKind::RadioButton, ids::VariableConstant, L"常量"},
        {ControlKind::RadioButton, ids::VariableArray, L"数组 个数："},
        {ControlKind::Edit, ids::VariableArrayCount, L""},
    };
    appendButtons(dialog.controls);
    dialog.layout = [](const DialogPlacer& placer) {
        const Form form(placer, {ids::VariableTypeLabel, ids::VariableNameLabel, ids::VariableValueLabel});
        const int typeWidth = 150;
        form.field(ids::VariableTypeLabel, ids::VariableType, 0, typeWidth);
        form.choices({ids::VariablePointer}, form.fieldX + typeWidth + 2 * kGap, form.row(0));
        form.field(ids::VariableNameLabel, ids::VariableName, 1);
        form.field(ids::VariableValueLabel, ids::VariableValue, 2);
        // The array choice shares the bottom row with the buttons; the other
        // three sit midway between it and the value field, so a larger font
        // squeezes the gaps instead of overlapping the rows.
        const int bottomY = form.buttonTop() + 1;
        const int valueBottom = form.row(2) + placer.fieldHeight();
        form.choices({ids::VariableOrdinary, ids::VariableStatic, ids::VariableConstant}, kMargin,
                     (valueBottom + bottomY - placer.fieldHeight()) / 2);
        const int countX = form.choices({ids::VariableArray}, kMargin, bottomY) - kGap;
        const int okX = form.right() - 2 * kButtonWidth - kGap;
        placer.place(ids::VariableArrayCount, countX, bottomY, std::min(48, okX - kGap - countX),
                     placer.fieldHeight());
        form.buttons();
    };
    dialog.init = [&](HWND window) {
        fillTypes(window, ids::VariableType, types, selectedType);
        CheckRadioButton(window, ids::VariableOrdinary, ids::VariableArray, ids::VariableOrdinary);
    };
    dialog.accept = [&](HWND window) {
        fields.type = selectedText(window, ids::VariableType);
        fields.name = fieldText(window, ids::VariableName);
        fields.pointer = isChecked(window, ids::VariablePointer);
        fields.value = fieldText(window, ids::VariableValue);
        if (isChecked(window, ids::VariableStatic))
            fields.kind = VariableKind::Static;
        else if (isChecked(window, ids::VariableConstant))
            fields.kind = VariableKind::Constant;
        else if (isChecked(window, ids::VariableArray))
            fields.kind = VariableKind::Array;
        else
            fields.kind = VariableKind::Ordinary;
        fields.arrayCount = fieldText(window, ids::VariableArrayCount);
    };
    if (!runModalDialog(owner_, font_, dialog)) return std::nullopt;
    return fields;
}

std::optional<ClassFields> WinBuilderDialogs::askClass() {
    ClassFields fields;
    ModalDialog dialog;
    dialog.caption = L"插入类";
    dialog.outerWidth = 348;
    dialog.outerHeight = 219;
    dialog.controls = {
        {ControlKind::Label, ids::ClassNameLabel, L"类名："},
        {ControlKind::Edit, ids::ClassName, L""},
        {ControlKind::Label, ids::ClassBaseLabel, L"基类："},
        {ControlKind::Edit, ids::ClassBase, L""},
        {ControlKind::RadioButton, ids::ClassPublicBase, L"公有"},
        {ControlKind::RadioButton, ids::ClassPrivateBase, L"私有"},
        {ControlKind::Label, ids::ClassObjectNameLabel, L"类变量："},
        {ControlKind::Edit, ids::ClassObjectName, L""},
        {ControlKind::Label, ids::ClassMembersLabel, L"成员："},
        {ControlKind::CheckBox, ids::ClassPublicMembers, L"公有成员"},
        {ControlKind::CheckBox, ids::ClassPrivateMembers, L"私有成员"},
        {ControlKind::CheckBox, ids::ClassProtectedMembers, L"保护成员"},
    };
    appendButtons(dialog.controls);
    dialog.layout = [](const DialogPlacer& placer) {
        const Form form(placer, {ids::ClassNameLabel, ids::ClassBaseLabel, ids::ClassObjectNameLabel,
                                 ids::ClassMembersLabel});
        form.field(ids::ClassNameLabel, ids::ClassName, 0);
        // The base's access pair sits at the right end of the base row.
        const int radiosWidth =
            placer.choiceWidth(ids::ClassPublicBase) + kGap + placer.choiceWidth(ids::ClassPrivateBase);
        const int baseWidth = form.right() - form.fieldX - radiosWidth - kGap;
        form.field(ids::ClassBaseLabel, ids::ClassBase, 1, baseWidth);
        form.choices({ids::ClassPublicBase, ids::ClassPrivateBase}, form.fieldX + baseWidth + kGap, form.row(1));
        form.field(ids::ClassObjectNameLabel, ids::ClassObjectName, 2);
        placer.placeLabel(ids::ClassMembersLabel, kMargin, form.row(3));
        form.choices({ids::ClassPublicMembers, ids::ClassPrivateMembers, ids::ClassProtectedMembers}, form.fieldX,
                     form.row(3), kMargin + placer.labelWidth(ids::ClassMembersLabel) + kLabelGap);
        form.buttons();
    };
    dialog.init = [](HWND window) {
        CheckRadioButton(window, ids::ClassPublicBase, ids::ClassPrivateBase, ids::ClassPublicBase);
    };
    dialog.accept = [&](HWND window) {
        fields.name = fieldText(window, ids::ClassName);
        fields.baseClass = fieldText(window, ids::ClassBase);
        fields.publicBase = isChecked(window, ids::ClassPublicBase);
        fields.objectName = fieldText(window, ids::ClassObjectName);
        fields.publicMembers = isChecked(window, ids::ClassPublicMembers);
        fields.privateMembers = isChecked(window, ids::ClassPrivateMembers);
        fields.protectedMembers = isChecked(window, ids::ClassProtectedMembers);
    };
    if (!runModalDialog(owner_, font_, dialog)) return std::nullopt;
    return fields;
}

std::optional<StructFields> WinBuilderDialogs::askStruct() {
    StructFields fields;
    ModalDialog dialog;
    dialog.caption = L"插入数据类型";
    dialog.outerWidth = 338;
    dialog.outerHeight = 200;
    dialog.controls = {
        {ControlKind::Label, ids::StructNameLabel, L"类型名称："},
        {ControlKind::Edit, ids::StructName, L""},
        {ControlKind::Label, ids::StructObjectNameLabel, L"类型变量："},
        {ControlKind::Edit, ids::StructObjectName, L""},
    };
    appendButtons(dialog.controls);
    dialog.layout = [](const DialogPlacer& placer) {
        const Form form(placer, {ids::StructNameLabel, ids::StructObjectNameLabel});
        form.field(ids::StructNameLabel, ids::StructName, 0);
        form.field(ids::StructObjectNameLabel, ids::StructObjectName, 1);
        form.buttons();
    };
    dialog.accept = [&](HWND window) {
        fields.name = fieldText(window, ids::StructName);
        fields.objectName = fieldText(window, ids::StructObjectName);
    };
    if (!runModalDialog(owner_, font_, dialog)) return std::nullopt;
    return fields;
}

}  // namespace quorvane::win32
