#include "templates/declaration_builders.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_builder_dialogs.h"
#include "fakes/fake_text_deliverer.h"
#include "templates/code_templates.h"

namespace quorvane::templates {
namespace {

using fakes::FakeBuilderDialogs;
using Delivery = fakes::FakeTextDeliverer::Delivery;

const std::vector<std::string> kTypes = {
    "void",        "int",  "long",   "unsigned long", "short",   "unsigned short", "float",   "double",
    "long double", "bool", "size_t", "char",          "wchar_t", "string",         "CString", "String^"};

struct Command {
    const char* name;
    std::function<void(CodeTemplates&)> run;
    std::function<void(FakeBuilderDialogs&)> answer;  // the user fills the dialog and presses "确定"
    std::vector<std::string> types;                   // offered in the drop-down list
    int selectedType;
    const char* text;
};

const Command kCommands[] = {
    {"function", [](CodeTemplates& t) { t.insertFunction(); },
     [](FakeBuilderDialogs& d) {
         d.function = FunctionFields{"int", "f", "int a"};
     },
     kTypes, 0, "int f(int a)\r\n{\r\n\t\r\n}\r\n"},
    {"variable", [](CodeTemplates& t) { t.insertVariable(); },
     [](FakeBuilderDialogs& d) {
         d.variable = VariableFields{"char", "c", false, "x", VariableKind::Ordinary, ""};
     },
     kTypes, 1, "char c=\"x\";\r\n"},
    {"class",
     [](CodeTemplates& t) { t.insertClass(); },
     [](FakeBuilderDialogs& d) { d.classFields = ClassFields{"A", "", true, "", false, false, false}; },
     {},
     -1,
     "class A\r\n{\r\n\t\r\n};\r\n"},
    {"struct",
     [](CodeTemplates& t) { t.insertStruct(); },
     [](FakeBuilderDialogs& d) {
         d.structFields = StructFields{"P", "p"};
     },
     {},
     -1,
     "struct P\r\n{\r\n\t\r\n}p;\r\n"},
};

TEST(DeclarationBuilders, OkDeliversTheBuiltTextPasted) {
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        FakeBuilderDialogs dialogs;
        fakes::FakeTextDeliverer deliverer;
        CodeTemplates templates(deliverer, dialogs);
        c.answer(dialogs);
        c.run(templates);

        ASSERT_EQ(dialogs.opened.size(), 1u);
        EXPECT_EQ(dialogs.opened[0].dialog, c.name);
        EXPECT_EQ(dialogs.opened[0].types, c.types);
        EXPECT_EQ(dialogs.opened[0].selectedType, c.selectedType);
        EXPECT_EQ(deliverer.deliveries, (std::vector<Delivery>{{c.text, editor_link::DeliveryMode::Paste}}));
        EXPECT_EQ(templates.templateText(), "") << "builders do not assemble in templateText";
    }
}

TEST(DeclarationBuilders, CancelDeliversNothing) {
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        FakeBuilderDialogs dialogs;
        fakes::FakeTextDeliverer deliverer;
        CodeTemplates templates(deliverer, dialogs);
        c.run(templates);
        EXPECT_EQ(dialogs.opened.size(), 1u);
        EXPECT_TRUE(deliverer.deliveries.empty());
    }
}

}  // namespace
}  // namespace quorvane::templates
