#include "shell/panel_layout.h"

#include <algorithm>

namespace quorvane::shell {

ControlPlaces layoutForClientSize(const ControlPlaces& current, int clientWidth, int clientHeight) {
    const int width = std::max(clientWidth, 0);
    ControlPlaces next = current;
    next.tree.width = width;
    // The 2 pixels: one free above the tree (its top is 1) and one below the info box.
    next.tree.height = std::max(clientHeight - current.info.height - current.splitter.height - 2, 0);
    next.splitter.top = next.tree.top + next.tree.height;
    next.splitter.width = width;
    next.info.top = next.splitter.top + next.splitter.height;
    next.info.width = width;
    return next;
}

ControlPlaces layoutForSplitterAt(const ControlPlaces& current, int clientHeight, int splitterTop) {
    ControlPlaces next = current;
    // The pixel below the info box that a resize leaves free stays free, so
    // a resize to the same size afterwards moves nothing.
    const int lowest = std::max(clientHeight - current.splitter.height - 1, current.tree.top);
    next.splitter.top = std::clamp(splitterTop, current.tree.top, lowest);
    next.tree.height = next.splitter.top - next.tree.top;
    next.info.top = next.splitter.top + next.splitter.height;
    next.info.height = std::max(clientHeight - next.info.top - 1, 0);
    return next;
}

ControlPlaces rescaled(const ControlPlaces& places, const DpiScale& from, const DpiScale& to) {
    const auto convert = [&](int pixels) { return to.toPixels(from.toDesigned(pixels)); };
    ControlPlaces next = places;
    next.splitter.height = convert(places.splitter.height);
    next.info.height = convert(places.info.height);
    return next;
}

Rect centredOver(const Rect& owner, int width, int height, const Rect& workArea) {
    int left = owner.left + (owner.width - width) / 2;
    int top = owner.top + (owner.height - height) / 2;
    // The far edge first, so a box larger than the area keeps its top-left corner visible.
    left = std::max(workArea.left, std::min(left, workArea.left + workArea.width - width));
    top = std::max(workArea.top, std::min(top, workArea.top + workArea.height - height));
    return {left, top, width, height};
}

}  // namespace quorvane::shell
