#pragma once
// The texts the four declaration builders produce. Fields are used exactly
// as typed: nothing is trimmed or validated, and every text carries its own
// terminator and a final CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "platform/builder_dialogs.h"

namespace quorvane::templates {

// The 16 types of the builders' drop-down lists, in list order.
const std::vector<std::string>& declarationTypes();
inline constexpr int kFunctionDefaultType = 0;  // "void"
inline constexpr int kVariableDefaultType = 1;  // "int"

// Whether a value given to a variable of this type text (star included) is
// written between double quotes.
bool quotesValue(std::string_view typeText);

std::string functionText(const FunctionFields& fields);
std::string variableText(const VariableFields& fields);
std::string classText(const ClassFields& fields);
std::string structText(const StructFields& fields);

}  // namespace quorvane::templates
