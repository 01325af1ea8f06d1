#pragma once
// What the user does with the command tree besides editing the library:
// a click shows the item's description, a double click puts a command into
// the editor, a label edited in place renames a category, and the command
// search selects the first command whose label holds a text.
#include <optional>
#include <string>

#include "editor_link/text_deliverer.h"
#include "platform/description_view.h"
#include "platform/messages.h"
#include "platform/timer.h"
#include "platform/tree_control.h"
#include "settings/options.h"
#include "store/record_store.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

class TreeInteraction {
public:
    static constexpr int kClickDelayMs = 10;

    // `clickTimer` is the click timer; its tick must call showDescription().
    // `options` is read at each double click, so a changed option applies at once.
    // `deliverer` tells the user itself when no editor has been chosen yet.
    TreeInteraction(TreeModel& model, store::RecordStore& commandDb, Timer& clickTimer,
                    DescriptionView& descriptions, Messages& messages, const settings::Options& options,
                    editor_link::TextDeliverer& deliverer);

    // The view's selection moved to `item`. A selection the user made, with
    // the mouse or the arrow keys, shows its description once the click
    // timer has told it from a double click.
    void selectionChanged(TreeItemId item, SelectionCause cause);
    // Tick of the click timer.
    void showDescription();
    void doubleClicked();
    // Puts the selected command into the editor, as a double click does.
    void deliverSelected();
    // False refuses the edit: only category labels are stored, so a command
    // label is not opened for editing.
    bool labelEditBegins(int index);
    // `edited` is the text the user confirmed, nullopt when the edit was
    // cancelled. The model holds the final label when this returns and has
    // told the mirror of each change, so the view need not apply the text itself.
    void labelEditEnds(int index, const std::optional<std::string>& edited);
    // Menu item "查找命令".
    void findCommand();

    bool doubleClickSeen() const { return doubleClickSeen_; }

private:
    TreeModel& model_;
    store::RecordStore& commandDb_;
    Timer& clickTimer_;
    DescriptionView& descriptions_;
    Messages& messages_;
    const settings::Options& options_;
    editor_link::TextDeliverer& deliverer_;

    bool doubleClickSeen_ = false;
    std::string previousLabel_;
};

}  // namespace quorvane::tree
