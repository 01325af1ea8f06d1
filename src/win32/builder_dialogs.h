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
// Every dialog: "确定" and "取消", the ids the dialog manager gives Enter and Esc.
inline constexpr int Ok = IDOK;
inline constexpr int Cancel = IDCANCEL;

// "插入子程序"
inline constexpr int FunctionReturnType = 1101;
inline constexpr int FunctionName = 1102;
inline constexpr int FunctionParameters = 1103;
inline constexpr int FunctionReturnTypeLabel = 1151;
inline constexpr int FunctionNameLabel = 1152;
inline constexpr int FunctionParametersLabel = 1153;

// "插入变量"
inline constexpr int VariableType = 1201;
inline constexpr int VariableName = 1202;
inline constexpr int VariablePointer = 1203;
inline constexpr int VariableValue = 1204;
inline constexpr int VariableOrdinary = 1205;
inline constexpr int VariableStatic = 1206;
inline constexpr int VariableConstant = 1207;
inline constexpr int VariableArray = 1208;
inline constexpr int VariableArrayCount = 1209;
inline constexpr int VariableTypeLabel = 1251;
inline constexpr int VariableNameLabel = 1252;
inline constexpr int VariableValueLabel = 1254;

// "插入类"
inline constexpr int ClassName = 1301;
inline constexpr int ClassBase = 1302;
inline constexpr int ClassPublicBase = 1303;
inline constexpr int ClassPrivateBase = 1304;
inline constexpr int ClassObjectName = 1305;
inline constexpr int ClassPublicMembers = 1306;
inline constexpr int ClassPrivateMembers = 1307;
inline constexpr int ClassProtectedMembers = 1308;
inline constexpr int ClassNameLabel = 1351;
inline constexpr int ClassBaseLabel = 1352;
inline constexpr int ClassObjectNameLabel = 1355;
inline constexpr int ClassMembersLabel = 1356;

// "插入数据类型"
inline constexpr int StructName = 1401;
inline constexpr int StructObjectName = 1402;
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
