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

}  // namespace quorvane::shell
