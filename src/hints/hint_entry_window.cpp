#include "hints/hint_entry_window.h"

#include <string>

#include "hints/hint_table.h"
#include "hints/hint_words_file.h"
#include "store/sql_text.h"

namespace quorvane::hints {
namespace {

namespace ids = hint_entry_ids;
using Kind = FormControlKind;

class HintEntryWindow final : public FormController {
public:
    HintEntryWindow(Messages& messages, store::RecordStore& commandDb) : messages_(messages), commandDb_(commandDb) {}

    void clicked(int id, FormView& form) override {
        if (id == ids::Ok) addEntry(form);
    }

private:
    void addEntry(FormView& form) {
        const std::string word = form.text(ids::WordBox);
        if (word.empty()) return;
        // Compared by the column's own rule, without case. A lookup that
        // failed is no answer: storing then could make a second row.
        commandDb_.clearError();
        const std::string sameWord = std::string(kHintWordColumn) + "=" + store::sqlQuote(word);
        const bool exists = commandDb_.Exists(kHintTable, kHintWordColumn, sameWord);
        if (commandDb_.failed()) return refuse(kHintAddFailedText);
        if (exists) return refuse(kHintExistsText);

        if (!insertHintWord(commandDb_, {word, form.text(ids::DescriptionBox)})) return refuse(kHintAddFailedText);
        form.setText(ids::WordBox, "");
        form.setText(ids::DescriptionBox, "");
        form.setFocus(ids::WordBox);
    }

    // The fields keep what the user typed.
    void refuse(const char* text) { messages_.show(text, MessageIcon::None); }

    Messages& messages_;
    store::RecordStore& commandDb_;
};

}  // namespace

FormLayout hintEntryForm() {
    const int limit = static_cast<int>(kMaxHintCharacters);
    return {"",
            338,
            200,
            false,
            {
                // 60 wide, not 56: five characters of the system font need it.
                {Kind::Label, 0, "命令名称：", {12, 22, 60, 16}},
                {Kind::Edit, ids::WordBox, "", {74, 18, 248, 22}, limit},
                {Kind::Label, 0, "命令说明：", {11, 49, 60, 16}},
                {Kind::Edit, ids::DescriptionBox, "", {74, 45, 248, 22}, limit},
                {Kind::Label, 0, "命令说明框可以不填", {77, 72, 114, 17}},
                {Kind::DefaultButton, ids::Ok, "确定", {83, 106, 72, 32}},
                {Kind::Button, ids::Cancel, "取消", {186, 106, 72, 32}},
            }};
}

void showHintEntryWindow(FormHost& forms, Messages& messages, store::RecordStore& commandDb) {
    HintEntryWindow window(messages, commandDb);
    forms.run(hintEntryForm(), window);
}

}  // namespace quorvane::hints
