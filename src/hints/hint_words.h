#pragma once
// The menu's ways of adding hint words: one at a time in the entry window,
// or a whole text file chosen in the open-file dialog.
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/messages.h"
#include "platform/text_codec.h"
#include "store/record_store.h"

namespace quorvane::hints {

inline constexpr char kImportHintsTitle[] = "导入命令提示";

class HintWords {
public:
    HintWords(FormHost& forms, Messages& messages, FileDialogs& fileDialogs, store::RecordStore& commandDb,
              const TextCodec& codec)
        : forms_(forms), messages_(messages), fileDialogs_(fileDialogs), commandDb_(commandDb), codec_(codec) {}

    // "添加命令提示"
    void enterWords();
    // "导入命令提示...": the outcome is told in a message box.
    void importChosenFile();

private:
    FormHost& forms_;
    Messages& messages_;
    FileDialogs& fileDialogs_;
    store::RecordStore& commandDb_;
    const TextCodec& codec_;
};

}  // namespace quorvane::hints
