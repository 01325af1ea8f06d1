#pragma once
#include <string>

namespace quorvane {

// Where descriptions of tree items are shown: the description window while
// it is loaded, otherwise the info box of the panel.
class DescriptionView {
public:
    virtual ~DescriptionView() = default;
    virtual bool descriptionWindowLoaded() = 0;
    virtual void setDescriptionWindowText(const std::string& text) = 0;
    virtual void setInfoText(const std::string& text) = 0;
};

}  // namespace quorvane
