#include "templates/builder_forms.h"

namespace quorvane::templates {

namespace ids = builder_ids;

namespace {

using Kind = FormControlKind;

// The grid the four dialogs share: labels on the left, fields from fieldX to
// the right margin, rows 30 pixels apart, "确定" and "取消" at the bottom right.
constexpr int kMargin = 12;
constexpr int kRowPitch = 30;
constexpr int kFieldHeight = 24;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 26;

constexpr int rowTop(int row) { return kMargin + row * kRowPitch; }

FormControl label(const char* text, int row, int width = 68) {
    return {Kind::Label, 0, text, {kMargin, rowTop(row) + 4, width, 16}};
}

FormControl field(Kind kind, int id, int x, int row, int width) {
    return {kind, id, "", {x, rowTop(row), width, kFieldHeight}};
}

FormControl choice(Kind kind, int id, const char* text, int x, int top, int width) {
    return {kind, id, text, {x, top, width, 20}};
}

// "确定" and "取消", right-aligned on the row at `top`, in a client area `clientWidth` wide.
void addButtons(FormLayout& layout, int clientWidth, int top) {
    const int cancelX = clientWidth - kMargin - kButtonWidth;
    layout.controls.push_back({Kind::DefaultButton, ids::Ok, "确定", {cancelX - 8 - kButtonWidth, top, kButtonWidth, kButtonHeight}});
    layout.controls.push_back({Kind::Button, ids::Cancel, "取消", {cancelX, top, kButtonWidth, kButtonHeight}});
}

}  // namespace

FormLayout functionForm() {
    constexpr int clientWidth = 330;
    constexpr int fieldX = 84;
    FormLayout layout{"插入子程序", 338, 200, false, {}};
    layout.controls = {
        label("返回类型：", 0),
        field(Kind::DropDownList, ids::FunctionReturnType, fieldX, 0, 160),
        label("子程序名：", 1),
        field(Kind::Edit, ids::FunctionName, fieldX, 1, clientWidth - kMargin - fieldX),
        label("参数：", 2),
        field(Kind::Edit, ids::FunctionParameters, fieldX, 2, clientWidth - kMargin - fieldX),
    };
    addButtons(layout, clientWidth, 124);
    return layout;
}

FormLayout variableForm() {
    constexpr int clientWidth = 340;
    constexpr int fieldX = 84;
    constexpr int radioTop = rowTop(3) + 2;
    constexpr int arrayTop = rowTop(4) + 4;
    FormLayout layout{"插入变量", 348, 200, false, {}};
    layout.controls = {
        label("变量类型：", 0),
        field(Kind::DropDownList, ids::VariableType, fieldX, 0, 150),
        choice(Kind::CheckBox, ids::VariablePointer, "为指针", fieldX + 150 + 14, rowTop(0) + 2, 80),
        label("变量名称：", 1),
        field(Kind::Edit, ids::VariableName, fieldX, 1, clientWidth - kMargin - fieldX),
        label("变量值：", 2),
        field(Kind::Edit, ids::VariableValue, fieldX, 2, clientWidth - kMargin - fieldX),
        choice(Kind::RadioButton, ids::VariableOrdinary, "一般变量", kMargin, radioTop, 82),
        choice(Kind::RadioButton, ids::VariableStatic, "静态变量", kMargin + 86, radioTop, 82),
        choice(Kind::RadioButton, ids::VariableConstant, "常量", kMargin + 172, radioTop, 60),
        choice(Kind::RadioButton, ids::VariableArray, "数组 个数：", kMargin, arrayTop, 92),
        {Kind::Edit, ids::VariableArrayCount, "", {kMargin + 94, arrayTop - 2, 48, kFieldHeight}},
    };
    addButtons(layout, clientWidth, arrayTop - 3);
    return layout;
}

FormLayout classForm() {
    constexpr int clientWidth = 340;
    constexpr int fieldX = 72;
    constexpr int fieldWidth = clientWidth - kMargin - fieldX;
    constexpr int baseWidth = fieldWidth - 124;
    FormLayout layout{"插入类", 348, 219, false, {}};
    layout.controls = {
        label("类名：", 0, 56),
        field(Kind::Edit, ids::ClassName, fieldX, 0, fieldWidth),
        label("基类：", 1, 56),
        field(Kind::Edit, ids::ClassBase, fieldX, 1, baseWidth),
        choice(Kind::RadioButton, ids::ClassPublicBase, "公有", fieldX + baseWidth + 8, rowTop(1) + 2, 56),
        choice(Kind::RadioButton, ids::ClassPrivateBase, "私有", fieldX + baseWidth + 66, rowTop(1) + 2, 56),
        label("类变量：", 2, 56),
        field(Kind::Edit, ids::ClassObjectName, fieldX, 2, fieldWidth),
        label("成员：", 3, 56),
        choice(Kind::CheckBox, ids::ClassPublicMembers, "公有成员", fieldX, rowTop(3) + 2, 84),
        choice(Kind::CheckBox, ids::ClassPrivateMembers, "私有成员", fieldX + 88, rowTop(3) + 2, 84),
        choice(Kind::CheckBox, ids::ClassProtectedMembers, "保护成员", fieldX + 176, rowTop(3) + 2, 84),
    };
    addButtons(layout, clientWidth, 144);
    return layout;
}

FormLayout structForm() {
    constexpr int clientWidth = 330;
    constexpr int fieldX = 84;
    FormLayout layout{"插入数据类型", 338, 200, false, {}};
    layout.controls = {
        label("类型名称：", 0),
        field(Kind::Edit, ids::StructName, fieldX, 0, clientWidth - kMargin - fieldX),
        label("类型变量：", 1),
        field(Kind::Edit, ids::StructObjectName, fieldX, 1, clientWidth - kMargin - fieldX),
    };
    addButtons(layout, clientWidth, 124);
    return layout;
}

}  // namespace quorvane::templates
