#pragma once
// The "插入(&C)" menu's commands as the composition root wires them.
#include <string>

#include "templates/declaration_builders.h"
#include "templates/statement_templates.h"

namespace quorvane::templates {

class CodeTemplates {
public:
    CodeTemplates(editor_link::TextDeliverer& deliverer, FormHost& forms)
        : statements_(deliverer), builders_(forms, deliverer) {}

    void insertTemplate(StatementTemplate id) { statements_.insertTemplate(id); }
    void insertFunction() { builders_.insertFunction(); }
    void insertVariable() { builders_.insertVariable(); }
    void insertClass() { builders_.insertClass(); }
    void insertStruct() { builders_.insertStruct(); }

    const std::string& templateText() const { return statements_.templateText(); }

private:
    StatementTemplates statements_;
    DeclarationBuilders builders_;
};

}  // namespace quorvane::templates
