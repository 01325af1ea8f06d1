#pragma once
// Which monitor a window or point belongs to, as the system decides it: the
// one holding the largest part of it, else the nearest one.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/desktop.h"

namespace quorvane {

namespace monitors_detail {

using Wide = std::int64_t;

inline Wide rightOf(const Rect& r) { return Wide{r.left} + r.width; }
inline Wide bottomOf(const Rect& r) { return Wide{r.top} + r.height; }

inline Wide overlapArea(const Rect& a, const Rect& b) {
    const Wide width = std::min(rightOf(a), rightOf(b)) - std::max(a.left, b.left);
    const Wide height = std::min(bottomOf(a), bottomOf(b)) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Squared distance between the nearest points of two rectangles; 0 when they touch or overlap.
inline Wide gapSquared(const Rect& a, const Rect& b) {
    const Wide dx = std::max<Wide>({0, Wide{b.left} - rightOf(a), Wide{a.left} - rightOf(b)});
    const Wide dy = std::max<Wide>({0, Wide{b.top} - bottomOf(a), Wide{a.top} - bottomOf(b)});
    return dx * dx + dy * dy;
}

}  // namespace monitors_detail

// `monitors` must not be empty (Desktop::monitors never is). Ties go to the
// monitor listed first, the primary one.
inline const Monitor& monitorHolding(const std::vector<Monitor>& monitors, const Rect& area) {
    using namespace monitors_detail;
    const Monitor* holder = &monitors.front();
    Wide bestArea = overlapArea(area, holder->bounds);
    Wide bestGap = gapSquared(area, holder->bounds);
    for (const Monitor& each : monitors) {
        const Wide overlap = overlapArea(area, each.bounds);
        const Wide gap = gapSquared(area, each.bounds);
        if (overlap > bestArea || (bestArea == 0 && overlap == 0 && gap < bestGap)) {
            holder = &each;
            bestArea = overlap;
            bestGap = gap;
        }
    }
    return *holder;
}

inline const Monitor& monitorHolding(const std::vector<Monitor>& monitors, Point point) {
    return monitorHolding(monitors, Rect{point.x, point.y, 1, 1});
}

}  // namespace quorvane
