#pragma once
// The skeletons of the "循环" and "条件" submenus, each pasted into the
// target editor as one delivery.
#include <string>

#include "editor_link/text_deliverer.h"

namespace quorvane::templates {

enum class StatementTemplate { While, For, DoWhile, ForEach, If, IfElse, IfElseIf, Switch };

class StatementTemplates {
public:
    explicit StatementTemplates(editor_link::TextDeliverer& deliverer) : deliverer_(deliverer) {}

    // Delivers the template's text once, pasted (mode 0).
    void insertTemplate(StatementTemplate id);
    // The last template assembled from a prefix, a tab and a suffix; the three
    // fixed templates leave it alone.
    const std::string& templateText() const { return templateText_; }

private:
    editor_link::TextDeliverer& deliverer_;
    std::string templateText_;
};

}  // namespace quorvane::templates
