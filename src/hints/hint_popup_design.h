#pragma once
// Every designed size and colour of the hint popup, in one place: the window
// is made with these, and the core places the popup, lays the rows out and
// hit-tests with them. A layout for another DPI scales this one struct.
#include "platform/dpi_scale.h"
#include "platform/hint_popup_view.h"
#include "platform/types.h"

namespace quorvane::hints {

inline constexpr int kRowsPerPage = 10;

struct HintPopupDesign {
    int width = 160;
    int height = 176;
    int fontHeight = 16;
    // Row i is written at (0, rowPitch × i).
    int rowPitch = 16;
    // Row i's hit rectangle starts at (rowInset, rowInset + rowPitch × i) and
    // is rowPitch high.
    int rowInset = 1;
    // Full-width rectangles end this far inside the canvas's right edge.
    int fullWidthMargin = 10;
    // A drawn row's rectangle ends at this many pixels per byte of its word.
    int byteWidth = 12;
    // Below and right of the caret's top-left corner.
    Point besideCaret{10, 20};
    // Between the popup's bottom edge and the caret, when it flips above.
    int aboveCaretGap = 4;
    // Between the popup's bottom edge and the screen's, where it first appears.
    int bottomMargin = 30;

    Colour background{236, 236, 236};
    Colour text{128, 128, 0};
    Colour firstRow{0, 0, 255};
    Colour pen{0, 0, 0};
};

inline constexpr HintPopupDesign kHintPopupDesign{};

// The design in pixels at `scale`: every length scaled, the colours kept.
inline HintPopupDesign scaledDesign(const HintPopupDesign& design, const DpiScale& scale) {
    HintPopupDesign pixels = design;
    for (int* length : {&pixels.width, &pixels.height, &pixels.fontHeight, &pixels.rowPitch, &pixels.rowInset,
                        &pixels.fullWidthMargin, &pixels.byteWidth, &pixels.besideCaret.x, &pixels.besideCaret.y,
                        &pixels.aboveCaretGap, &pixels.bottomMargin})
        *length = scale.toPixels(*length);
    return pixels;
}

}  // namespace quorvane::hints
