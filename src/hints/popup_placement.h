#pragma once
// Where the hint popup appears.
#include "hints/hint_popup_design.h"
#include "platform/types.h"

namespace quorvane::hints {

// At first: the bottom centre of the primary monitor.
Point firstPopupPlace(const Rect& primaryMonitor, const HintPopupDesign& design);

// Beside the caret (`caret`: its top-left corner on the screen): below and
// right of it, flipped above it or to its left where it would leave the work
// area of the caret's monitor, and never outside that work area.
Point popupPlaceBesideCaret(Point caret, const Rect& workArea, const HintPopupDesign& design);

}  // namespace quorvane::hints
