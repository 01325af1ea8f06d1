#include "templates/declaration_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane::templates {
namespace {

TEST(DeclarationText, Function) {
    struct Case {
        FunctionFields fields;
        const char* text;
    };
    const Case cases[] = {
        {{"int", "f", "int a"}, "int f(int a)\r\n{\r\n\t\r\n}\r\n"},
        {{"void", "", ""}, "void ()\r\n{\r\n\t\r\n}\r\n"},
        {{"String^", " g ", "x, y"}, "String^  g (x, y)\r\n{\r\n\t\r\n}\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(functionText(c.fields), c.text);
    }
}

TEST(DeclarationText, Variable) {
    using K = VariableKind;
    struct Case {
        VariableFields fields;
        const char* text;
    };
    const Case cases[] = {
        {{"char", "c", false, "x", K::Ordinary, ""}, "char c=\"x\";\r\n"},
        {{"int", "p", true, "0", K::Constant, ""}, "const int* p=0;\r\n"},
        {{"double", "a", false, "{0}", K::Array, "3"}, "double a[3]={0};\r\n"},
        {{"string", "s", false, "hi", K::Static, ""}, "static string s=\"hi\";\r\n"},
        {{"int", "n", false, "", K::Ordinary, ""}, "int n;\r\n"},
        // A space is a value; the count box is read only for an array.
        {{"int", "n", false, " ", K::Ordinary, "9"}, "int n= ;\r\n"},
        {{"char", "buf", false, "", K::Array, ""}, "char buf[];\r\n"},
        {{"char", "q", true, "a\"b\\", K::Static, ""}, "static char* q=\"a\"b\\\";\r\n"},
        {{"string", "t", true, "u", K::Ordinary, ""}, "string* t=u;\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(variableText(c.fields), c.text);
    }
}

TEST(DeclarationText, QuotingFollowsTheTypeListSubstringTest) {
    struct Case {
        const char* type;
        bool plain;    // quoted without the pointer star
        bool pointer;  // quoted with it
    };
    const Case cases[] = {
        {"void", false, false},          {"int", false, false},    {"long", false, false},
        {"unsigned long", false, false}, {"short", false, false},  {"unsigned short", false, false},
        {"float", false, false},         {"double", false, false}, {"long double", false, false},
        {"bool", false, false},          {"size_t", false, false}, {"char", true, true},
        {"wchar_t", true, true},         {"string", true, false},  {"CString", true, false},
        {"String^", true, false},
    };
    ASSERT_EQ(std::size(cases), declarationTypes().size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.type);
        EXPECT_EQ(declarationTypes()[i], c.type);
        for (const bool pointer : {false, true}) {
            const bool quoted = pointer ? c.pointer : c.plain;
            const std::string star = pointer ? "*" : "";
            const std::string value = quoted ? "=\"v\"" : "=v";
            EXPECT_EQ(variableText({c.type, "x", pointer, "v", VariableKind::Ordinary, ""}),
                      std::string(c.type) + star + " x" + value + ";\r\n");
        }
    }
}

TEST(DeclarationText, Class) {
    struct Case {
        ClassFields fields;
        const char* text;
    };
    const Case cases[] = {
        {{"A", "B", false, "obj", false, false, false}, "class A: private B\r\n{\r\n\t\r\n}obj;\r\n"},
        {{"A", "B", true, "", false, false, false}, "class A: public B\r\n{\r\n\t\r\n};\r\n"},
        {{"A", "", false, "", false, false, false}, "class A\r\n{\r\n\t\r\n};\r\n"},
        {{"A", "", true, "", false, false, false}, "class A\r\n{\r\n\t\r\n};\r\n"},
        {{"A", "", true, "", true, false, true},
         "class A\r\n{\r\npublic:\r\n\t\r\nprotected:\r\n\t\r\n};\r\n"},
        {{"A", " ", true, "o", true, true, true},
         "class A: public  \r\n{\r\npublic:\r\n\t\r\nprivate:\r\n\t\r\nprotected:\r\n\t\r\n}o;\r\n"},
        {{"A", "", true, "", false, true, false}, "class A\r\n{\r\nprivate:\r\n\t\r\n};\r\n"},
        {{"A", "", true, "", false, false, true}, "class A\r\n{\r\nprotected:\r\n\t\r\n};\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(classText(c.fields), c.text);
    }
}

TEST(DeclarationText, Struct) {
    struct Case {
        StructFields fields;
        const char* text;
    };
    const Case cases[] = {
        {{"P", "p"}, "struct P\r\n{\r\n\t\r\n}p;\r\n"},
        {{"P", ""}, "struct P\r\n{\r\n\t\r\n};\r\n"},
        {{"", " "}, "struct \r\n{\r\n\t\r\n} ;\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(structText(c.fields), c.text);
    }
}

}  // namespace
}  // namespace quorvane::templates
