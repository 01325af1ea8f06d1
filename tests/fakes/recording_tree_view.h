#pragma once
// An observer of the tree model that records every notification, in order.
#include <ostream>
#include <vector>

#include "tree/tree_model.h"

namespace quorvane::fakes {

class RecordingTreeView : public tree::TreeModelObserver {
public:
    enum class Kind { Added, Removed, Relabelled, Expanded, Selected, EditingBegun };
    struct Event {
        Kind kind;
        TreeItemId item;
        TreeItemId parent = TreeItemId::None;  // only for Added
        friend bool operator==(const Event&, const Event&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Event& e) {
            static const char* const names[] = {"added",    "removed",  "relabelled",
                                                "expanded", "selected", "editing"};
            out << names[static_cast<int>(e.kind)] << ' ' << static_cast<unsigned>(e.item);
            if (e.kind == Kind::Added) out << " under " << static_cast<unsigned>(e.parent);
            return out;
        }
    };

    void itemAdded(TreeItemId item, TreeItemId parent) override {
        events.push_back({Kind::Added, item, parent});
    }
    void itemRemoved(TreeItemId item) override { events.push_back({Kind::Removed, item}); }
    void itemRelabelled(TreeItemId item) override { events.push_back({Kind::Relabelled, item}); }
    void itemExpanded(TreeItemId item) override { events.push_back({Kind::Expanded, item}); }
    void selectionChanged(TreeItemId item) override { events.push_back({Kind::Selected, item}); }
    void editingBegun(TreeItemId item) override { events.push_back({Kind::EditingBegun, item}); }

    std::vector<Event> events;
};

}  // namespace quorvane::fakes
