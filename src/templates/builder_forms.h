#pragma once
// The four declaration dialogs: "插入子程序", "插入变量", "插入类" and
// "插入数据类型". Each opens over the panel; "确定" builds the declaration
// from the fields as typed.
#include "platform/form.h"

namespace quorvane::templates {

namespace builder_ids {
inline constexpr int Ok = 1;
inline constexpr int Cancel = kCloseFormId;

inline constexpr int FunctionReturnType = 1101;
inline constexpr int FunctionName = 1102;
inline constexpr int FunctionParameters = 1103;

inline constexpr int VariableType = 1201;
inline constexpr int VariableName = 1202;
inline constexpr int VariablePointer = 1203;
inline constexpr int VariableValue = 1204;
inline constexpr int VariableOrdinary = 1205;
inline constexpr int VariableStatic = 1206;
inline constexpr int VariableConstant = 1207;
inline constexpr int VariableArray = 1208;
inline constexpr int VariableArrayCount = 1209;

inline constexpr int ClassName = 1301;
inline constexpr int ClassBase = 1302;
inline constexpr int ClassPublicBase = 1303;
inline constexpr int ClassPrivateBase = 1304;
inline constexpr int ClassObjectName = 1305;
inline constexpr int ClassPublicMembers = 1306;
inline constexpr int ClassPrivateMembers = 1307;
inline constexpr int ClassProtectedMembers = 1308;

inline constexpr int StructName = 1401;
inline constexpr int StructObjectName = 1402;
}  // namespace builder_ids

FormLayout functionForm();
FormLayout variableForm();
FormLayout classForm();
FormLayout structForm();

}  // namespace quorvane::templates
