#include "hints/hint_lookup.h"

#include "hints/hint_popup_design.h"
#include "hints/hint_table.h"
#include "store/db_connection.h"
#include "store/sql_text.h"

namespace quorvane::hints {

std::vector<std::string> HintLookup::page(std::string_view word, int skip) {
    // The order the prefix index reads in, made explicit so that pages read
    // apart join up exactly.
    std::string condition = store::sqlLikePrefix(kHintWordColumn, word);
    condition.append(" order by ").append(kHintWordColumn).append(", ").append(kHintKeyColumn);
    condition.append(" limit ").append(std::to_string(kRowsPerPage));
    condition.append(" offset ").append(std::to_string(skip));

    std::vector<std::string> words;
    // This runs inside the keyboard hook: a library that another program is
    // writing costs this letter its hints rather than holding up every key.
    commandDb_.setBusyTimeout(0);
    commandDb_.ReadColumn(words, kHintTable, kHintWordColumn, condition);
    commandDb_.setBusyTimeout(store::kBusyTimeoutMs);
    return words;
}

}  // namespace quorvane::hints
