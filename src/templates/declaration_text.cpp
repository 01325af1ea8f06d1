#include "templates/declaration_text.h"

namespace quorvane::templates {

namespace {

constexpr std::string_view kTypeList =
    "void,int,long,unsigned long,short,unsigned short,float,double,long "
    "double,bool,size_t,char,wchar_t,string,"
    "CString,String^";

// Types whose values are text. Matched as a substring, so "char" and "string"
// match too, but "string*" does not.
constexpr std::string_view kQuotedTypes = "char*,wchar_t*,string,CString,String^";

std::vector<std::string> splitAtCommas(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

}  // namespace

const std::vector<std::string>& declarationTypes() {
    static const std::vector<std::string> types = splitAtCommas(kTypeList);
    return types;
}

bool quotesValue(std::string_view typeText) {
    return kQuotedTypes.find(typeText) != std::string_view::npos;
}

std::string functionText(const FunctionFields& fields) {
    return fields.returnType + " " + fields.name + "(" + fields.parameters + ")\r\n{\r\n\t\r\n}\r\n";
}

std::string variableText(const VariableFields& fields) {
    std::string typeText = fields.type;
    if (fields.pointer) typeText += '*';

    std::string text = typeText + " " + fields.name;
    if (fields.kind == VariableKind::Array) text += "[" + fields.arrayCount + "]";
    if (!fields.value.empty()) {
        // The value goes in verbatim, quotes and backslashes included.
        text += quotesValue(typeText) ? "=\"" + fields.value + "\"" : "=" + fields.value;
    }
    if (fields.kind == VariableKind::Static) text.insert(0, "static ");
    if (fields.kind == VariableKind::Constant) text.insert(0, "const ");
    return text + ";\r\n";
}

std::string classText(const ClassFields& fields) {
    std::string text = "class " + fields.name;
    if (!fields.baseClass.empty()) {
        text += fields.publicBase ? ": public " : ": private ";
        text += fields.baseClass;
    }
    text += "\r\n{\r\n";
    if (fields.publicMembers) text += "public:\r\n\t\r\n";
    if (fields.privateMembers) text += "private:\r\n\t\r\n";
    if (fields.protectedMembers) text += "protected:\r\n\t\r\n";
    const bool anySection = fields.publicMembers || fields.privateMembers || fields.protectedMembers;
    // Without a section the body still gets its one tab line.
    text += anySection ? "}" : "\t\r\n}";
    return text + fields.objectName + ";\r\n";
}

std::string structText(const StructFields& fields) {
    return "struct " + fields.name + "\r\n{\r\n\t\r\n}" + fields.objectName + ";\r\n";
}

}  // namespace quorvane::templates
