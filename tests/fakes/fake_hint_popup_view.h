#pragma once
// The hint popup as a record of what it was asked to do.
#include <optional>
#include <string>
#include <vector>

#include "platform/hint_popup_view.h"

namespace quorvane::fakes {

class FakeHintPopupView : public HintPopupView {
public:
    void load(const HintPopupLook& l) override {
        ++loads;
        if (refuseLoad) return;
        look = l;
        loaded = true;
    }
    void destroy() override { loaded = false; }
    bool setAlpha(int a) override {
        alpha = a;
        return loaded;
    }
    void moveTo(Point topLeft) override { position = topLeft; }
    void drawPage(const std::vector<HintPopupText>& texts) override {
        page = texts;
        ++pagesDrawn;
        outlines.clear();  // the page's copy covers them
    }
    void outline(const std::vector<Rect>& rectangles) override { outlines = rectangles; }
    void setPointer(PopupPointer p) override { pointers.push_back(p); }
    void beginDrag() override { ++drags; }

    // The texts of the page on the canvas, without positions and colours.
    std::vector<std::string> rows() const {
        std::vector<std::string> texts;
        for (const HintPopupText& text : page) texts.push_back(text.text);
        return texts;
    }

    bool loaded = false;
    int loads = 0;
    // The system cannot make the window.
    bool refuseLoad = false;
    std::optional<HintPopupLook> look;
    int alpha = -1;
    std::optional<Point> position;
    std::vector<HintPopupText> page;
    int pagesDrawn = 0;
    std::vector<Rect> outlines;
    std::vector<PopupPointer> pointers;
    int drags = 0;
};

}  // namespace quorvane::fakes
