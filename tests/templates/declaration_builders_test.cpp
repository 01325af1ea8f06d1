#include "templates/declaration_builders.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_form_host.h"
#include "fakes/fake_text_deliverer.h"
#include "templates/builder_forms.h"
#include "templates/code_templates.h"

namespace quorvane::templates {
namespace {

namespace ids = builder_ids;
using fakes::FakeForm;
using Delivery = fakes::FakeTextDeliverer::Delivery;

const std::vector<std::string> kTypes = {
    "void",        "int",  "long",   "unsigned long", "short",   "unsigned short", "float",   "double",
    "long double", "bool", "size_t", "char",          "wchar_t", "string",         "CString", "String^"};

struct Command {
    const char* caption;
    std::function<void(CodeTemplates&)> run;
    std::function<void(FakeForm&)> fill;  // what the user does before "确定"
    const char* text;
};

const Command kCommands[] = {
    {"插入子程序", [](CodeTemplates& t) { t.insertFunction(); },
     [](FakeForm& f) {
         EXPECT_EQ(f.at(ids::FunctionReturnType).items, kTypes);
         EXPECT_EQ(f.text(ids::FunctionReturnType), "void");
         f.pick(ids::FunctionReturnType, "int");
         f.type(ids::FunctionName, "f");
         f.type(ids::FunctionParameters, "int a");
     },
     "int f(int a)\r\n{\r\n\t\r\n}\r\n"},
    {"插入变量", [](CodeTemplates& t) { t.insertVariable(); },
     [](FakeForm& f) {
         EXPECT_EQ(f.at(ids::VariableType).items, kTypes);
         EXPECT_EQ(f.text(ids::VariableType), "int");
         EXPECT_TRUE(f.isChecked(ids::VariableOrdinary));
         f.pick(ids::VariableType, "char");
         f.click(ids::VariablePointer);
         f.type(ids::VariableName, "names");
         f.click(ids::VariableArray);
         f.type(ids::VariableArrayCount, "4");
         f.click(ids::VariableConstant);  // the group keeps one choice
         f.type(ids::VariableValue, "x");
     },
     "const char* names=\"x\";\r\n"},
    {"插入类", [](CodeTemplates& t) { t.insertClass(); },
     [](FakeForm& f) {
         EXPECT_TRUE(f.isChecked(ids::ClassPublicBase));
         f.type(ids::ClassName, "A");
         f.type(ids::ClassBase, "B");
         f.click(ids::ClassPrivateBase);
         f.click(ids::ClassProtectedMembers);
     },
     "class A: private B\r\n{\r\nprotected:\r\n\t\r\n};\r\n"},
    {"插入数据类型", [](CodeTemplates& t) { t.insertStruct(); },
     [](FakeForm& f) {
         f.type(ids::StructName, "P");
         f.type(ids::StructObjectName, "p");
     },
     "struct P\r\n{\r\n\t\r\n}p;\r\n"},
};

struct World {
    fakes::FakeFormHost forms;
    fakes::FakeTextDeliverer deliverer;
    CodeTemplates templates{deliverer, forms};
};

TEST(DeclarationBuilders, OkDeliversTheBuiltTextPastedOnce) {
    for (const bool byEnter : {false, true}) {
        for (const Command& c : kCommands) {
            SCOPED_TRACE(std::string(c.caption) + (byEnter ? " by Enter" : ""));
            World w;
            w.forms.users.push_back([&c, byEnter](FakeForm& f) {
                c.fill(f);
                if (byEnter) {
                    f.pressEnter();
                } else {
                    f.click(ids::Ok);
                }
                EXPECT_TRUE(f.closed);
            });
            c.run(w.templates);
            ASSERT_EQ(w.forms.opened.size(), 1u);
            EXPECT_EQ(w.forms.opened[0].caption, c.caption);
            EXPECT_EQ(w.deliverer.deliveries,
                      (std::vector<Delivery>{{c.text, editor_link::DeliveryMode::Paste}}));
            EXPECT_EQ(w.templates.templateText(), "") << "builders do not assemble in templateText";
        }
    }
}

TEST(DeclarationBuilders, ClosingWithoutOkDeliversNothing) {
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.caption);
        World w;
        w.forms.users.push_back([&c](FakeForm& f) { c.fill(f); });  // then the close box, or "取消"
        c.run(w.templates);
        EXPECT_EQ(w.forms.opened.size(), 1u);
        EXPECT_TRUE(w.deliverer.deliveries.empty());
    }
}

// Every control sits inside the dialog's client area and no two overlap, at 96 DPI.
TEST(DeclarationBuilders, ControlsFitTheirDialogWithoutOverlapping) {
    for (const FormLayout& layout : {functionForm(), variableForm(), classForm(), structForm()}) {
        SCOPED_TRACE(layout.caption);
        // The client area of the outer size, after a caption bar and thin borders.
        const Rect client{0, 0, layout.width - 8, layout.height - 30};
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const Rect& a = layout.controls[i].place;
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + a.width <= client.width &&
                        a.top + a.height <= client.height)
                << layout.controls[i].text << " " << layout.controls[i].id;
            for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
                const Rect& b = layout.controls[j].place;
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << layout.controls[i].text << " and " << layout.controls[j].text;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane::templates
