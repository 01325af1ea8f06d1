#pragma once
// Importing a file of hint words into the library (hint_words_file.h gives
// the file's rules): all its new words in one transaction, or none. Words
// the library holds already, compared without case, and blank lines are
// skipped; a refused file or a failed write leaves the library unchanged.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/text_codec.h"
#include "store/record_store.h"

namespace quorvane::hints {

struct HintImportResult {
    bool succeeded = false;
    // One line for the user: how many were added and skipped, or why nothing was.
    std::string message;
    int added = 0;
    int repeated = 0;
    int blankLines = 0;
};

HintImportResult importHintWords(std::string_view bytes, store::RecordStore& commandDb, const TextCodec& codec);

// The same from a file, which is refused unread when it is too big.
HintImportResult importHintWordsFile(const std::filesystem::path& file, store::RecordStore& commandDb,
                                     const TextCodec& codec);

}  // namespace quorvane::hints
