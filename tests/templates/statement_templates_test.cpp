#include "templates/statement_templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_text_deliverer.h"

namespace quorvane::templates {
namespace {

using Delivery = fakes::FakeTextDeliverer::Delivery;

struct Case {
    StatementTemplate id;
    const char* label;
    const char* text;
    bool assembled;  // built in templateText
};

// Menu order: the "循环" items, then the "条件" items.
const Case kCases[] = {
    {StatementTemplate::While, "while", "while()\r\n{\r\n\t\r\n}\r\n", true},
    {StatementTemplate::For, "for", "for(int i=0;i<;i++)\r\n{\r\n\t\r\n}\r\n", true},
    {StatementTemplate::DoWhile, "do while", "do()\r\n{\r\n\t\r\n}while();\r\n", true},
    {StatementTemplate::ForEach, "for each", "for each()\r\n{\r\n\t\r\n}\r\n", true},
    {StatementTemplate::If, "if", "if()\r\n{\r\n\t\r\n}\r\n", true},
    {StatementTemplate::IfElse, "if…else", "if()\r\n{\r\n\t\r\n}\r\nelse\r\n{\r\n\t\r\n}\r\n", false},
    {StatementTemplate::IfElseIf, "if…else if",
     "if()\r\n{\r\n\t\r\n}\r\nelse if()\r\n{\r\n\t\t\r\n}\r\nelse\r\n{\r\n\t\t\r\n}\r\n", false},
    {StatementTemplate::Switch, "switch",
     "switch()\r\n{\r\n"
     "case :\r\n\t\r\n\tbreak\r\n"
     "case :\r\n\t\r\n\tbreak\r\n"
     "case :\r\n\t\r\n\tbreak\r\n"
     "default:\r\n\t\r\n}\r\n",
     false},
};

TEST(StatementTemplates, EachDeliversItsExactTextOncePasted) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        fakes::FakeTextDeliverer deliverer;
        StatementTemplates templates(deliverer);
        templates.insertTemplate(c.id);
        EXPECT_EQ(deliverer.deliveries, (std::vector<Delivery>{{c.text, editor_link::DeliveryMode::Paste}}));
        EXPECT_EQ(templates.templateText(), c.assembled ? c.text : "");
    }
}

TEST(StatementTemplates, FixedTemplatesLeaveTheLastAssembledOne) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        fakes::FakeTextDeliverer deliverer;
        StatementTemplates templates(deliverer);
        templates.insertTemplate(StatementTemplate::While);
        templates.insertTemplate(c.id);
        EXPECT_EQ(templates.templateText(), c.assembled ? c.text : "while()\r\n{\r\n\t\r\n}\r\n");
        EXPECT_EQ(deliverer.deliveries.back().text, c.text);
    }
}

}  // namespace
}  // namespace quorvane::templates
