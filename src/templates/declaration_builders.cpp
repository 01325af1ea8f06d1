#include "templates/declaration_builders.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "templates/builder_forms.h"
#include "templates/declaration_text.h"

namespace quorvane::templates {

namespace ids = builder_ids;

namespace {

// Fills the dialog when it opens; on "确定" builds the text and closes it.
class BuilderDialog final : public FormController {
public:
    BuilderDialog(std::function<void(FormView&)> fill, std::function<std::string(FormView&)> build)
        : fill_(std::move(fill)), build_(std::move(build)) {}

    void opened(FormView& form) override {
        if (fill_) fill_(form);
    }
    void clicked(int id, FormView& form) override {
        if (id != ids::Ok) return;
        text_ = build_(form);
        form.close();
    }
    const std::optional<std::string>& text() const { return text_; }

private:
    std::function<void(FormView&)> fill_;
    std::function<std::string(FormView&)> build_;
    std::optional<std::string> text_;
};

std::function<void(FormView&)> typeList(int id, int selected) {
    return [id, selected](FormView& form) {
        form.setItems(id, declarationTypes());
        form.selectItem(id, selected);
    };
}

VariableKind variableKindOf(FormView& form) {
    if (form.isChecked(ids::VariableStatic)) return VariableKind::Static;
    if (form.isChecked(ids::VariableConstant)) return VariableKind::Constant;
    if (form.isChecked(ids::VariableArray)) return VariableKind::Array;
    return VariableKind::Ordinary;
}

}  // namespace

void DeclarationBuilders::insertFunction() {
    BuilderDialog dialog(typeList(ids::FunctionReturnType, kFunctionDefaultType), [](FormView& form) {
        return functionText({form.text(ids::FunctionReturnType), form.text(ids::FunctionName),
                             form.text(ids::FunctionParameters)});
    });
    forms_.run(functionForm(), dialog);
    if (dialog.text()) deliverer_.deliverText(*dialog.text());
}

void DeclarationBuilders::insertVariable() {
    const auto fill = [](FormView& form) {
        typeList(ids::VariableType, kVariableDefaultType)(form);
        form.setChecked(ids::VariableOrdinary, true);
    };
    BuilderDialog dialog(fill, [](FormView& form) {
        return variableText({form.text(ids::VariableType), form.text(ids::VariableName),
                             form.isChecked(ids::VariablePointer), form.text(ids::VariableValue),
                             variableKindOf(form), form.text(ids::VariableArrayCount)});
    });
    forms_.run(variableForm(), dialog);
    if (dialog.text()) deliverer_.deliverText(*dialog.text());
}

void DeclarationBuilders::insertClass() {
    BuilderDialog dialog([](FormView& form) { form.setChecked(ids::ClassPublicBase, true); },
                         [](FormView& form) {
                             return classText({form.text(ids::ClassName), form.text(ids::ClassBase),
                                               form.isChecked(ids::ClassPublicBase), form.text(ids::ClassObjectName),
                                               form.isChecked(ids::ClassPublicMembers),
                                               form.isChecked(ids::ClassPrivateMembers),
                                               form.isChecked(ids::ClassProtectedMembers)});
                         });
    forms_.run(classForm(), dialog);
    if (dialog.text()) deliverer_.deliverText(*dialog.text());
}

void DeclarationBuilders::insertStruct() {
    BuilderDialog dialog(nullptr, [](FormView& form) {
        return structText({form.text(ids::StructName), form.text(ids::StructObjectName)});
    });
    forms_.run(structForm(), dialog);
    if (dialog.text()) deliverer_.deliverText(*dialog.text());
}

}  // namespace quorvane::templates
