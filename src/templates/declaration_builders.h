#pragma once
// The "函数", "变量", "类" and "数据类型" commands: open their dialog, build
// the declaration from its fields and paste it. A cancelled dialog delivers nothing.
#include "editor_link/text_deliverer.h"
#include "platform/form.h"

namespace quorvane::templates {

class DeclarationBuilders {
public:
    DeclarationBuilders(FormHost& forms, editor_link::TextDeliverer& deliverer)
        : forms_(forms), deliverer_(deliverer) {}

    void insertFunction();
    void insertVariable();
    void insertClass();
    void insertStruct();

private:
    FormHost& forms_;
    editor_link::TextDeliverer& deliverer_;
};

}  // namespace quorvane::templates
