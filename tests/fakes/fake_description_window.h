#pragma once
// DescriptionWindow and the info box as records of what was done to them.
#include <optional>
#include <string>
#include <vector>

#include "platform/description_window_view.h"

namespace quorvane::fakes {

class FakeDescriptionWindowView : public DescriptionWindowView {
public:
    bool isLoaded() override { return loaded; }
    void load(int width, int height) override {
        size = {0, 0, width, height};
        loaded = true;
        shown = false;
        placeWhenShown.reset();
        text.reset();
        ++loads;
    }
    void moveTo(Point topLeft) override { moves.push_back(topLeft); }
    void show() override {
        shown = true;
        if (!moves.empty()) placeWhenShown = moves.back();
    }
    void setText(const std::string& utf8) override { text = utf8; }

    // The window is destroyed, as after its close box or with its owner.
    void destroy() { loaded = shown = false; }

    bool loaded = false;
    Rect size;
    bool shown = false;
    int loads = 0;
    std::vector<Point> moves;
    std::optional<Point> placeWhenShown;
    std::optional<std::string> text;
};

class FakeInfoBoxView : public InfoBoxView {
public:
    void setText(const std::string& utf8) override { text = utf8; }
    void copySelection() override { calls.push_back("copy"); }
    void selectAll() override { calls.push_back("selectAll"); }

    std::optional<std::string> text;
    std::vector<std::string> calls;
};

}  // namespace quorvane::fakes
