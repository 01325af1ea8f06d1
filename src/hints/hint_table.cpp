#include "hints/hint_table.h"

#include <string>

#include "store/sql_text.h"

namespace quorvane::hints {

bool insertHintWord(store::RecordStore& commandDb, const store::HintWord& hint) {
    const std::string values = store::sqlQuote(hint.word) + "," + store::sqlQuote(hint.description);
    return commandDb.Insert(kHintTable, "命令,说明", values) && commandDb.changes() == 1;
}

}  // namespace quorvane::hints
