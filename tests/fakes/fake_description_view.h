#pragma once
// The two places descriptions go, as plain texts; nullopt until first written.
#include <optional>
#include <string>

#include "platform/description_view.h"

namespace quorvane::fakes {

class FakeDescriptionView : public DescriptionView {
public:
    bool descriptionWindowLoaded() override { return windowLoaded; }
    void setDescriptionWindowText(const std::string& text) override { windowText = text; }
    void setInfoText(const std::string& text) override { infoText = text; }

    bool windowLoaded = false;
    std::optional<std::string> windowText;
    std::optional<std::string> infoText;
};

}  // namespace quorvane::fakes
