#pragma once
// The texts the four declaration builders produce. Fields are used exactly
// as typed: nothing is trimmed or validated, and every text carries its own
// terminator and a final CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::templates {

struct FunctionFields {
    std::string returnType;
    std::string name;
    std::string parameters;
};

enum class VariableKind { Ordinary, Static, Constant, Array };

struct VariableFields {
    std::string type;
    std::string name;
    bool pointer = false;
    std::string value;
    VariableKind kind = VariableKind::Ordinary;
    std::string arrayCount;
};

struct ClassFields {
    std::string name;
    std::string baseClass;
    bool publicBase = true;
    std::string objectName;
    bool publicMembers = false;
    bool privateMembers = false;
    bool protectedMembers = false;
};

struct StructFields {
    std::string name;
    std::string objectName;
};

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
