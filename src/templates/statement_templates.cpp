#include "templates/statement_templates.h"

#include <optional>
#include <string_view>

namespace quorvane::templates {

namespace {

// A template whose body line is a single tab between its head and its tail.
struct Assembled {
    std::string_view prefix;
    std::string_view suffix;
};

std::optional<Assembled> assembledParts(StatementTemplate id) {
    switch (id) {
        case StatementTemplate::While:
            return Assembled{"while()\r\n{\r\n", "\r\n}\r\n"};
        case StatementTemplate::For:
            return Assembled{"for(int i=0;i<;i++)\r\n{\r\n", "\r\n}\r\n"};
        case StatementTemplate::DoWhile:
            return Assembled{"do()\r\n{\r\n", "\r\n}while();\r\n"};
        case StatementTemplate::ForEach:
            return Assembled{"for each()\r\n{\r\n", "\r\n}\r\n"};
        case StatementTemplate::If:
            return Assembled{"if()\r\n{\r\n", "\r\n}\r\n"};
        default:
            return std::nullopt;
    }
}

// The texts fix their own indentation: the "else if" and "else" bodies of
// "if…else if" hold two tabs, and "switch" has no semicolons.
std::string_view fixedText(StatementTemplate id) {
    switch (id) {
        case StatementTemplate::IfElse:
            return "if()\r\n{\r\n\t\r\n}\r\nelse\r\n{\r\n\t\r\n}\r\n";
        case StatementTemplate::IfElseIf:
            return "if()\r\n{\r\n\t\r\n}\r\nelse if()\r\n{\r\n\t\t\r\n}\r\nelse\r\n{\r\n\t\t\r\n}\r\n";
        case StatementTemplate::Switch:
            return "switch()\r\n{\r\ncase :\r\n\t\r\n\tbreak\r\ncase :\r\n\t\r\n\tbreak\r\ncase "
                   ":\r\n\t\r\n\tbreak\r\n"
                   "default:\r\n\t\r\n}\r\n";
        default:
            return {};
    }
}

std::string assemble(const Assembled& parts) {
    std::string text(parts.prefix);
    text += '\t';
    text += parts.suffix;
    return text;
}

}  // namespace

void StatementTemplates::insertTemplate(StatementTemplate id) {
    if (const auto parts = assembledParts(id)) {
        templateText_ = assemble(*parts);
        deliverer_.deliverText(templateText_);
        return;
    }
    deliverer_.deliverText(std::string(fixedText(id)));
}

}  // namespace quorvane::templates
