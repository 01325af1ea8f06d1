#include "shell/panel_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quorvane::shell {
namespace {

// The places after the splitter was dragged up: a taller info box.
constexpr ControlPlaces kDraggedUp{
    {0, 1, 235, 200},
    {0, 201, 235, 4},
    {0, 205, 235, 300},
};

struct ResizeCase {
    const char* name;
    ControlPlaces before;
    int clientWidth;
    int clientHeight;
    ControlPlaces after;
};

TEST(PanelLayout, ResizeGivesTheChangeToTheTree) {
    const ResizeCase cases[] = {
        {"designed panel",
         kDesignedPlaces,
         235,
         506,
         {{0, 1, 235, 406}, {0, 407, 235, 4}, {0, 411, 235, 94}}},
        {"wider and taller",
         kDesignedPlaces,
         400,
         800,
         {{0, 1, 400, 700}, {0, 701, 400, 4}, {0, 705, 400, 94}}},
        {"info box keeps its dragged height",
         kDraggedUp,
         300,
         600,
         {{0, 1, 300, 294}, {0, 295, 300, 4}, {0, 299, 300, 300}}},
        // Shrunk to a strip at the top edge: nothing goes negative.
        {"strip", kDesignedPlaces, 235, 2, {{0, 1, 235, 0}, {0, 1, 235, 4}, {0, 5, 235, 94}}},
        {"minimized", kDesignedPlaces, 0, 0, {{0, 1, 0, 0}, {0, 1, 0, 4}, {0, 5, 0, 94}}},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlPlaces after = layoutForClientSize(c.before, c.clientWidth, c.clientHeight);
        EXPECT_EQ(after, c.after);
        // Tree, splitter and info box stay stacked without overlap.
        EXPECT_EQ(after.splitter.top, after.tree.top + after.tree.height);
        EXPECT_EQ(after.info.top, after.splitter.top + after.splitter.height);
    }
}

TEST(PanelLayout, GrowingBackAfterAStripRestoresTheLayout) {
    const ControlPlaces direct = layoutForClientSize(kDesignedPlaces, 235, 506);
    const ControlPlaces viaStrip =
        layoutForClientSize(layoutForClientSize(kDesignedPlaces, 235, 2), 235, 506);
    EXPECT_EQ(viaStrip, direct);
}

// The designed panel's places in a client area of 235 x 506.
constexpr ControlPlaces kLaidOut{{0, 1, 235, 406}, {0, 407, 235, 4}, {0, 411, 235, 94}};

TEST(PanelLayout, TheSplitterGivesTheInfoBoxAllTheHeightBelowIt) {
    const struct {
        const char* name;
        int splitterTop;
        ControlPlaces after;
    } cases[] = {
        {"up", 200, {{0, 1, 235, 199}, {0, 200, 235, 4}, {0, 204, 235, 301}}},
        {"down", 450, {{0, 1, 235, 449}, {0, 450, 235, 4}, {0, 454, 235, 51}}},
        {"where it is", 407, kLaidOut},
        // The bar stays in the client area: neither control's height goes below 0.
        {"past the bottom", 900, {{0, 1, 235, 500}, {0, 501, 235, 4}, {0, 505, 235, 0}}},
        {"past the top", -20, {{0, 1, 235, 0}, {0, 1, 235, 4}, {0, 5, 235, 500}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlPlaces dragged = layoutForSplitterAt(kLaidOut, 506, c.splitterTop);
        EXPECT_EQ(dragged, c.after);
        // A resize to the same size afterwards moves nothing.
        EXPECT_EQ(layoutForClientSize(dragged, 235, 506), dragged);
    }
}

TEST(PanelLayout, AfterTheSplitterAResizeKeepsTheInfoBoxHeightAndGivesTheChangeToTheTree) {
    const ControlPlaces dragged = layoutForSplitterAt(kLaidOut, 506, 200);
    EXPECT_EQ(layoutForClientSize(dragged, 300, 606),
              (ControlPlaces{{0, 1, 300, 299}, {0, 300, 300, 4}, {0, 304, 300, 301}}));
}

TEST(PanelLayout, ThePlacesFollowTheScaleOfTheMonitor) {
    const ControlPlaces at144 = rescaled(kLaidOut, DpiScale(), DpiScale(144));
    EXPECT_EQ(at144.splitter.height, 6);
    EXPECT_EQ(at144.info.height, 141);
    EXPECT_EQ(at144.tree.top, 1) << "the hairline above the tree stays a hairline";
    EXPECT_EQ(rescaled(at144, DpiScale(144), DpiScale()), kLaidOut);
    // A dragged info box keeps its designed height across monitors.
    const ControlPlaces dragged = layoutForSplitterAt(kLaidOut, 506, 200);
    EXPECT_EQ(rescaled(rescaled(dragged, DpiScale(), DpiScale(120)), DpiScale(120), DpiScale()), dragged);
}

}  // namespace
}  // namespace quorvane::shell
