#include "tree/tree_interaction.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "store/sql_text.h"
#include "tree/library_rows.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes of UTF-8 multi-byte sequences are never ASCII letters, so folding
// byte by byte leaves Chinese text as it is.
bool containsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return foldAscii(a) == foldAscii(b); });
    return found != text.end() || part.empty();
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

TreeInteraction::TreeInteraction(TreeModel& model, store::RecordStore& commandDb, Timer& clickTimer,
                                 DescriptionView& descriptions, Messages& messages,
                                 const settings::Options& options, editor_link::TextDeliverer& deliverer)
    : model_(model),
      commandDb_(commandDb),
      clickTimer_(clickTimer),
      descriptions_(descriptions),
      messages_(messages),
      options_(options),
      deliverer_(deliverer) {}

void TreeInteraction::selectionChanged(TreeItemId item, SelectionCause cause) {
    model_.followViewSelection(item);
    // Program selections show nothing. The user's wait one timer tick, so that
    // a double click can claim a click first; arrow keys held down then show
    // only where they stopped.
    if (cause != SelectionCause::Other) clickTimer_.setPeriod(kClickDelayMs);
}

void TreeInteraction::showDescription() {
    clickTimer_.setPeriod(0);
    if (doubleClickSeen_) {
        doubleClickSeen_ = false;
        return;
    }

    const int selected = model_.selected();
    if (selected < 0) return;
    const std::optional<std::string> description = rowDescription(
        commandDb_, model_.isCommand(selected) ? kCommandTable : kCategoryTable, model_.rowId(selected));
    if (!description) return;

    if (descriptions_.descriptionWindowLoaded())
        descriptions_.setDescriptionWindowText(*description);
    else
        descriptions_.setInfoText(*description);
}

void TreeInteraction::doubleClicked() {
    // Only the tick of the click that began this double click is swallowed,
    // if it is still to come; a later click's description must show.
    doubleClickSeen_ = clickTimer_.period() > 0;
    deliverSelected();
}

void TreeInteraction::deliverSelected() {
    const int command = model_.currentCommandItem();
    if (command < 0) return;

    std::string text = model_.itemName(command, options_.addChineseName);
    const std::string name = commandNameOf(text);
    auto mode = editor_link::DeliveryMode::Type;
    // A name ending in "{}" stands for a snippet: its description is pasted.
    if (endsWith(name, "{}")) {
        if (auto snippet = rowDescription(commandDb_, kCommandTable, model_.rowId(command)))
            text = std::move(*snippet);
        mode = editor_link::DeliveryMode::Paste;
    }
    deliverer_.deliverText(text, mode);
}

bool TreeInteraction::labelEditBegins(int index) {
    previousLabel_ = model_.label(index);
    return index >= 0 && index < model_.count() && !model_.isCommand(index);
}

void TreeInteraction::labelEditEnds(int index, const std::optional<std::string>& edited) {
    if (index < 0 || index >= model_.count()) return;
    if (edited) model_.setLabel(index, *edited);
    const std::string label = model_.label(index);
    if (label == previousLabel_) return;

    // A command's label is not stored anywhere by an in-place edit; showing
    // it would only lie until the next start.
    if (model_.isCommand(index)) {
        model_.setLabel(index, previousLabel_);
        return;
    }
    const bool stored = updateRow(commandDb_, kCategoryTable, model_.rowId(index),
                                  std::string(kCategoryNameColumn) + "=" + store::sqlQuote(label));
    if (!stored) model_.setLabel(index, previousLabel_);
}

void TreeInteraction::findCommand() {
    const std::optional<std::string> wanted = messages_.askText("输入要查找的命令：");
    if (!wanted) return;
    for (int i = 0; i < model_.count(); ++i) {
        if (!model_.isCommand(i) || !containsIgnoringCase(model_.label(i), *wanted)) continue;
        model_.setSelected(i);
        // As if clicked: its description follows on the click timer's tick.
        clickTimer_.setPeriod(kClickDelayMs);
        return;
    }
    messages_.show("没找到命令", MessageIcon::Information);
}

}  // namespace quorvane::tree
