#pragma once
// Plays the user of the four declaration dialogs: each call records what the
// dialog was filled with and returns the scripted fields (nullopt = "取消").
#include <optional>
#include <string>
#include <vector>

#include "platform/builder_dialogs.h"

namespace quorvane::fakes {

class FakeBuilderDialogs : public BuilderDialogs {
public:
    struct Opened {
        std::string dialog;  // "function", "variable", "class" or "struct"
        std::vector<std::string> types;
        int selectedType = -1;
    };

    std::optional<FunctionFields> askFunction(const std::vector<std::string>& types,
                                              int selectedType) override {
        opened.push_back({"function", types, selectedType});
        return function;
    }
    std::optional<VariableFields> askVariable(const std::vector<std::string>& types,
                                              int selectedType) override {
        opened.push_back({"variable", types, selectedType});
        return variable;
    }
    std::optional<ClassFields> askClass() override {
        opened.push_back({"class", {}, -1});
        return classFields;
    }
    std::optional<StructFields> askStruct() override {
        opened.push_back({"struct", {}, -1});
        return structFields;
    }

    std::optional<FunctionFields> function;
    std::optional<VariableFields> variable;
    std::optional<ClassFields> classFields;
    std::optional<StructFields> structFields;
    std::vector<Opened> opened;
};

}  // namespace quorvane::fakes
