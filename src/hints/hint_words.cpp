#include "hints/hint_words.h"

#include <optional>

#include "hints/hint_entry_window.h"
#include "hints/hint_import.h"

namespace quorvane::hints {

void HintWords::enterWords() {
    showHintEntryWindow(forms_, messages_, commandDb_);
}

void HintWords::importChosenFile() {
    const std::optional<std::filesystem::path> file =
        fileDialogs_.chooseFileToOpen(kImportHintsTitle, {{"文本文件", "*.txt"}, {"所有文件", "*.*"}});
    if (!file) return;
    const HintImportResult result = importHintWordsFile(*file, commandDb_, codec_);
    messages_.show(result.message, result.succeeded ? MessageIcon::Information : MessageIcon::Warning,
                   kImportHintsTitle);
}

}  // namespace quorvane::hints
