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

}  // namespace
}  // namespace quorvane::shell
