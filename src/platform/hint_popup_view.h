#pragma once
// The hint popup as the window layer offers it: a small borderless window
// over every other, never activated, shown and hidden only through its
// transparency, with a canvas that shows pages drawn in a back buffer. What
// is drawn, and where, is decided in the core.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace quorvane {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// What the popup is made with. Sizes are pixels.
struct HintPopupLook {
    int width = 0;
    int height = 0;
    // Character height of the popup's font, SimSun bold in the GB2312 character set.
    int fontHeight = 0;
    Colour background;
    Colour pen;
};

// One line of text on a page, at a point of the canvas's client area.
struct HintPopupText {
    Point at;
    Colour colour;
    std::string text;
    friend bool operator==(const HintPopupText&, const HintPopupText&) = default;
};

enum class PopupPointer { Arrow, Hand };

class HintPopupView {
public:
    virtual ~HintPopupView() = default;
    // Creates the popup, not yet placed; it takes no focus, has no taskbar
    // button and stays above other windows.
    virtual void load(const HintPopupLook& look) = 0;
    virtual void destroy() = 0;
    // Its constant alpha: 0 is hidden (clicks go through to what is below),
    // 255 opaque. False when the system refused.
    virtual bool setAlpha(int alpha) = 0;
    virtual void moveTo(Point topLeft) = 0;
    // Clears the back buffer to the background, writes `texts` into it and
    // copies it onto the visible canvas in one operation.
    virtual void drawPage(const std::vector<HintPopupText>& texts) = 0;
    // Outlines the rectangles on the visible canvas itself, over what it shows.
    virtual void outline(const std::vector<Rect>& rectangles) = 0;
    virtual void setPointer(PopupPointer pointer) = 0;
    // Lets the user drag the popup with the left button that has just gone down.
    virtual void beginDrag() = 0;
};

// What the user does on the popup's canvas, in its client coordinates.
class HintPopupEvents {
public:
    virtual ~HintPopupEvents() = default;
    virtual void leftButtonPressed(Point canvas) = 0;
    virtual void pointerMoved(Point canvas) = 0;
    virtual void doubleClicked() = 0;
};

}  // namespace quorvane
