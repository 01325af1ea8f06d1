#pragma once
// The window in which the user adds hint words one at a time: a word and an
// optional description. It stays open after each word stored, so that
// several can be entered in a row.
#include "platform/form.h"
#include "platform/messages.h"
#include "store/record_store.h"

namespace quorvane::hints {

inline constexpr char kHintExistsText[] = "此命令已经添加过";
inline constexpr char kHintAddFailedText[] = "添加失败";

namespace hint_entry_ids {
inline constexpr int Ok = 1;
inline constexpr int Cancel = kCloseFormId;
inline constexpr int WordBox = 1601;
inline constexpr int DescriptionBox = 1602;
}  // namespace hint_entry_ids

FormLayout hintEntryForm();

// Shows the window modally; returns when it has closed.
void showHintEntryWindow(FormHost& forms, Messages& messages, store::RecordStore& commandDb);

}  // namespace quorvane::hints
