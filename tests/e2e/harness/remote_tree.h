#pragma once
// Reads a tree view that lives in another process. Item handles and states
// travel by value; a label or a rectangle is written by the control through
// a pointer, so those go through a buffer allocated inside the tree's own
// process.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/window_query.h"

namespace quorvane::e2e {

// One row of what the user can reach by scrolling: an item whose ancestors
// are all expanded.
struct TreeRow {
    std::string label;  // UTF-8
    int depth = 1;      // 1 for a top-level item
    bool expanded = false;
    bool hasButton = false;  // the control shows a +/- box (children, inserted or not)
    HTREEITEM item = nullptr;
};

class RemoteTree {
public:
    explicit RemoteTree(HWND tree);
    ~RemoteTree();
    RemoteTree(const RemoteTree&) = delete;
    RemoteTree& operator=(const RemoteTree&) = delete;

    // False when the tree's process could not be opened or given a buffer.
    bool ready() const { return buffer_ != nullptr; }
    HWND window() const { return tree_; }

    // The rows in the order the control shows them, scrolled into view or not.
    std::vector<TreeRow> outline() const;
    // The first row of the outline with exactly this label.
    std::optional<TreeRow> findRow(std::string_view label) const;

    std::optional<std::string> label(HTREEITEM item) const;
    // TVGN_* relations: TVGN_ROOT, TVGN_CHILD, TVGN_NEXT, TVGN_CARET (the selection)...
    HTREEITEM next(HTREEITEM item, UINT relation) const;
    HTREEITEM selection() const { return next(nullptr, TVGN_CARET); }
    bool isExpanded(HTREEITEM item) const;
    // Items the control holds, expanded or not (children it has not been given yet are not counted).
    int count() const;
    // The children the control holds under `parent` (nullptr: the top level).
    int childCount(HTREEITEM parent) const;

    // The label's rectangle on the screen; nullopt when it is scrolled out of view.
    std::optional<ScreenRect> itemRect(HTREEITEM item) const;

private:
    // Sends a tree message; nullopt when the control did not answer in time.
    std::optional<LRESULT> send(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool readItem(HTREEITEM item, UINT mask, TVITEMW& fields, std::wstring* text) const;

    HWND tree_ = nullptr;
    HANDLE process_ = nullptr;
    char* buffer_ = nullptr;  // an address in the tree's process, never dereferenced here
};

// The outline as indented text, one row a line: two blanks per level below
// the top, then "- " for an expanded item, "+ " for a collapsed one with a
// button, "  " for an item without, then the label. Readable in a failure.
std::string outlineText(const std::vector<TreeRow>& rows);

}  // namespace quorvane::e2e
