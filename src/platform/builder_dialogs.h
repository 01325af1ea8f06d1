#pragma once
// The four declaration dialogs. Each call shows its dialog modally and
// returns once it has closed: the fields as the user left them on "确定",
// nullopt on "取消" or the close box. The dialogs only show and return
// fields; the texts are built in the core.
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

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

class BuilderDialogs {
public:
    virtual ~BuilderDialogs() = default;
    // `types` fill the drop-down list in order; `selectedType` is preselected.
    virtual std::optional<FunctionFields> askFunction(const std::vector<std::string>& types, int selectedType) = 0;
    virtual std::optional<VariableFields> askVariable(const std::vector<std::string>& types, int selectedType) = 0;
    virtual std::optional<ClassFields> askClass() = 0;
    virtual std::optional<StructFields> askStruct() = 0;
};

}  // namespace quorvane
