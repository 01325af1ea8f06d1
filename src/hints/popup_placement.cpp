#include "hints/popup_placement.h"

#include <algorithm>

namespace quorvane::hints {
namespace {

// Inside [low, high - size]; a popup larger than the range keeps its low edge in.
int keptInside(int at, int size, int low, int high) {
    return std::max(low, std::min(at, high - size));
}

}  // namespace

Point firstPopupPlace(const Rect& primaryMonitor, const HintPopupDesign& design) {
    return {primaryMonitor.left + primaryMonitor.width / 2 - design.width / 2,
            primaryMonitor.top + primaryMonitor.height - design.height - design.bottomMargin};
}

Point popupPlaceBesideCaret(Point caret, const Rect& workArea, const HintPopupDesign& design) {
    const int right = workArea.left + workArea.width;
    const int bottom = workArea.top + workArea.height;
    int x = caret.x + design.besideCaret.x;
    if (x + design.width > right) x = caret.x - design.besideCaret.x - design.width;
    int y = caret.y + design.besideCaret.y;
    if (y + design.height > bottom) y = caret.y - design.aboveCaretGap - design.height;
    return {keptInside(x, design.width, workArea.left, right),
            keptInside(y, design.height, workArea.top, bottom)};
}

}  // namespace quorvane::hints
