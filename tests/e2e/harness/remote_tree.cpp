#include "harness/remote_tree.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "harness/text.h"

namespace quorvane::e2e {

namespace {

// The buffer in the tree's process: the item structure, then its label.
constexpr size_t kTextOffset = 256;
constexpr size_t kTextChars = 2048;
constexpr size_t kBufferSize = kTextOffset + kTextChars * sizeof(wchar_t);
static_assert(sizeof(TVITEMW) <= kTextOffset && sizeof(RECT) <= kTextOffset);

// Another program's window may be busy: never block on it for long.
constexpr UINT kSendTimeoutMilliseconds = 5000;

}  // namespace

RemoteTree::RemoteTree(HWND tree) : tree_(tree) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, windowProcess(tree));
    if (process_ == nullptr) return;
    buffer_ = static_cast<char*>(
        VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteTree::~RemoteTree() {
    // Fails harmlessly when the process has already ended.
    if (buffer_ != nullptr) VirtualFreeEx(process_, buffer_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
}

std::optional<LRESULT> RemoteTree::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(tree_, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool RemoteTree::readItem(HTREEITEM item, UINT mask, TVITEMW& fields, std::wstring* text) const {
    if (!ready() || item == nullptr) return false;
    TVITEMW request{};
    request.mask = mask | (text != nullptr ? TVIF_TEXT : 0);
    request.hItem = item;
    request.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    request.pszText = reinterpret_cast<LPWSTR>(buffer_ + kTextOffset);
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!WriteProcessMemory(process_, buffer_, &request, sizeof request, nullptr)) return false;
    const auto answered = send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer_));
    if (!answered || *answered == 0) return false;
    if (!ReadProcessMemory(process_, buffer_, &fields, sizeof fields, nullptr)) return false;
    if (text != nullptr) {
        // The control may point at a text of its own instead of filling ours.
        const auto* where = fields.pszText != nullptr ? reinterpret_cast<const char*>(fields.pszText)
                                                      : buffer_ + kTextOffset;
        std::wstring read(kTextChars, L'\0');
        SIZE_T got = 0;
        ReadProcessMemory(process_, where, read.data(), read.size() * sizeof(wchar_t), &got);
        read.resize(got / sizeof(wchar_t));
        read.resize(read.find(L'\0') == std::wstring::npos ? read.size() : read.find(L'\0'));
        *text = std::move(read);
    }
    return true;
}

HTREEITEM RemoteTree::next(HTREEITEM item, UINT relation) const {
    const auto answered = send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item));
    return answered ? reinterpret_cast<HTREEITEM>(*answered) : nullptr;
}

bool RemoteTree::isExpanded(HTREEITEM item) const {
    const auto state = send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED);
    return state && (*state & TVIS_EXPANDED) != 0;
}

int RemoteTree::count() const {
    const auto answered = send(TVM_GETCOUNT, 0, 0);
    return answered ? static_cast<int>(*answered) : -1;
}

int RemoteTree::childCount(HTREEITEM parent) const {
    int children = 0;
    for (HTREEITEM child = parent == nullptr ? next(nullptr, TVGN_ROOT) : next(parent, TVGN_CHILD);
         child != nullptr; child = next(child, TVGN_NEXT))
        ++children;
    return children;
}

std::optional<std::string> RemoteTree::label(HTREEITEM item) const {
    TVITEMW fields{};
    std::wstring text;
    if (!readItem(item, TVIF_TEXT, fields, &text)) return std::nullopt;
    return narrow(text);
}

std::vector<TreeRow> RemoteTree::outline() const {
    std::vector<TreeRow> rows;
    const std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM first, int depth) {
        for (HTREEITEM item = first; item != nullptr; item = next(item, TVGN_NEXT)) {
            TVITEMW fields{};
            std::wstring text;
            if (!readItem(item, TVIF_STATE | TVIF_CHILDREN, fields, &text)) return;
            TreeRow& row = rows.emplace_back();
            row.label = narrow(text);
            row.depth = depth;
            row.expanded = (fields.state & TVIS_EXPANDED) != 0;
            row.hasButton = fields.cChildren != 0;
            row.item = item;
            if (row.expanded) walk(next(item, TVGN_CHILD), depth + 1);
        }
    };
    walk(next(nullptr, TVGN_ROOT), 1);
    return rows;
}

std::optional<TreeRow> RemoteTree::findRow(std::string_view label) const {
    for (TreeRow& row : outline())
        if (row.label == label) return std::move(row);
    return std::nullopt;
}

std::optional<ScreenRect> RemoteTree::itemRect(HTREEITEM item) const {
    if (!ready() || item == nullptr) return std::nullopt;
    // In: the item's handle in the rectangle's first bytes. Out: its label's rectangle.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    if (!WriteProcessMemory(process_, buffer_, &rect, sizeof rect, nullptr)) return std::nullopt;
    const auto answered = send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(buffer_));
    if (!answered || *answered == 0) return std::nullopt;
    if (!ReadProcessMemory(process_, buffer_, &rect, sizeof rect, nullptr)) return std::nullopt;
    // Partly below the bottom edge counts as out of view: a click must land on it.
    RECT client{};
    GetClientRect(tree_, &client);
    if (rect.top < 0 || rect.bottom > client.bottom || rect.left >= client.right) return std::nullopt;
    rect.right = std::min(rect.right, client.right);
    MapWindowPoints(tree_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return ScreenRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string outlineText(const std::vector<TreeRow>& rows) {
    std::string text;
    for (const TreeRow& row : rows) {
        text.append(static_cast<size_t>(2 * (row.depth - 1)), ' ');
        text += row.expanded ? "- " : row.hasButton ? "+ " : "  ";
        text += row.label;
        text += '\n';
    }
    return text;
}

}  // namespace quorvane::e2e
