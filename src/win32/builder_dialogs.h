#pragma once
// The four declaration dialogs, modal over the panel. Control ids are
// public so the end-to-end driver can find and fill each field with
// GetDlgItem on the dialog it finds by caption.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/builder_dialogs.h"

namespace quorvane::win32 {

namespace builder_ids {
// Every dialog: 按钮1 "确定" and 按钮2 "取消", the ids the dialog manager
// gives Enter and Esc.
inline constexpr int Ok = IDOK;
inline constexpr int Cancel = IDCANCEL;

// "插入子程序"
inline constexpr int FunctionReturnType = 1101;  // 组合框1
inline constexpr int FunctionName = 1102;        // 编辑框1
inline constexpr int FunctionParameters = 1103;  // 编辑框2
inline constexpr int FunctionReturnTypeLabel = 1151;
inline constexpr int FunctionNameLabel = 1152;
inline constexpr int FunctionParametersLabel = 1153;

// "插入变量"
inline constexpr int VariableType = 1201;        // 组合框_类型
inline constexpr int VariableName = 1202;        // 编辑框_名称
inline constexpr int VariablePointer = 1203;     // 选择框1
inline constexpr int VariableValue = 1204;       // 编辑框_值
inline constexpr int VariableOrdinary = 1205;    // 单选框1
inline constexpr int VariableStatic = 1206;      // 单选框2
inline constexpr int VariableConstant = 1207;    // 单选框3
inline constexpr int VariableArray = 1208;       // 单选框4
inline constexpr int VariableArrayCount = 1209;  // 编辑框1
inline constexpr int VariableTypeLabel = 1251;
inline constexpr int VariableNameLabel = 1252;
inline constexpr int VariableValueLabel = 1254;

// "插入类"
inline constexpr int ClassName = 1301;              // 编辑框1
inline constexpr int ClassBase = 1302;              // 编辑框3
inline constexpr int ClassPublicBase = 1303;        // 单选框1
inline constexpr int ClassPrivateBase = 1304;       // 单选框2
inline constexpr int ClassObjectName = 1305;        // 编辑框2
inline constexpr int ClassPublicMembers = 1306;     // 选择框1
inline constexpr int ClassPrivateMembers = 1307;    // 选择框2
inline constexpr int ClassProtectedMembers = 1308;  // 选择框3
inline constexpr int ClassNameLabel = 1351;
inline constexpr int ClassBaseLabel = 1352;
inline constexpr int ClassObjectNameLabel = 1355;
inline constexpr int ClassMembersLabel = 1356;

// "插入数据类型"
inline constexpr int StructName = 1401;        // 编辑框1
inline constexpr int StructObjectName = 1402;  // 编辑框2
inline constexpr int StructNameLabel = 1451;
inline constexpr int StructObjectNameLabel = 1452;
}  // namespace builder_ids

class WinBuilderDialogs final : public BuilderDialogs {
public:
    // `owner` is the panel; `font` is the panel's UI font, kept by the
    // caller for as long as this object lives. Without one, the system's
    // message font is used.
    WinBuilderDialogs(HWND owner, HFONT font);
    ~WinBuilderDialogs() override;
    WinBuilderDialogs(const WinBuilderDialogs&) = delete;
    WinBuilderDialogs& operator=(const WinBuilderDialogs&) = delete;

    std::optional<FunctionFields> askFunction(const std::vector<std::string>& types, int selectedType) override;
    std::optional<VariableFields> askVariable(const std::vector<std::string>& types, int selectedType) override;
    std::optional<ClassFields> askClass() override;
    std::optional<StructFields> askStruct() override;

private:
    HWND owner_;
    HFONT font_;
    HFONT ownFont_ = nullptr;
};

}  // namespace quorvane::win32
