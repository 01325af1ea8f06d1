#pragma once
// The "函数", "变量", "类" and "数据类型" commands: ask their dialog, build
// the declaration and paste it. A cancelled dialog delivers nothing.
#include "editor_link/text_deliverer.h"
#include "platform/builder_dialogs.h"

namespace quorvane::templates {

class DeclarationBuilders {
public:
    DeclarationBuilders(BuilderDialogs& dialogs, editor_link::TextDeliverer& deliverer)
        : dialogs_(dialogs), deliverer_(deliverer) {}

    void insertFunction();
    void insertVariable();
    void insertClass();
    void insertStruct();

private:
    BuilderDialogs& dialogs_;
    editor_link::TextDeliverer& deliverer_;
};

}  // namespace quorvane::templates
