#pragma once
// The two places a description can be shown, as the window layer offers
// them: DescriptionWindow, a modeless window owned by the panel, and the
// panel's info box. Which one gets a description is decided in the core.
#include <string>

#include "platform/types.h"

namespace quorvane {

class DescriptionWindowView {
public:
    virtual ~DescriptionWindowView() = default;
    // True from load() until the window is destroyed (closed by the user, or
    // gone with the panel that owns it).
    virtual bool isLoaded() = 0;
    // Creates the window hidden, of this outer size (pixels), with an empty text box.
    virtual void load(int width, int height) = 0;
    // Puts the outer frame's top-left corner there (screen pixels); the size stays.
    virtual void moveTo(Point topLeft) = 0;
    virtual void show() = 0;
    virtual void setText(const std::string& utf8) = 0;
};

class InfoBoxView {
public:
    virtual ~InfoBoxView() = default;
    virtual void setText(const std::string& utf8) = 0;
    // Copies the box's selection to the clipboard, as WM_COPY does.
    virtual void copySelection() = 0;
    virtual void selectAll() = 0;
};

}  // namespace quorvane
