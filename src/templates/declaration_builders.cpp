#include "templates/declaration_builders.h"

#include "templates/declaration_text.h"

namespace quorvane::templates {

void DeclarationBuilders::insertFunction() {
    if (const auto fields = dialogs_.askFunction(declarationTypes(), kFunctionDefaultType)) {
        deliverer_.deliverText(functionText(*fields));
    }
}

void DeclarationBuilders::insertVariable() {
    if (const auto fields = dialogs_.askVariable(declarationTypes(), kVariableDefaultType)) {
        deliverer_.deliverText(variableText(*fields));
    }
}

void DeclarationBuilders::insertClass() {
    if (const auto fields = dialogs_.askClass()) deliverer_.deliverText(classText(*fields));
}

void DeclarationBuilders::insertStruct() {
    if (const auto fields = dialogs_.askStruct()) deliverer_.deliverText(structText(*fields));
}

}  // namespace quorvane::templates
