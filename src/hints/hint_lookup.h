#pragma once
// The hint words of the library that begin with the letters typed, read one
// page at a time: only the rows a page shows, so a letter that matches
// thousands of words costs no more than one that matches ten.
#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace quorvane::hints {

class HintLookup {
public:
    explicit HintLookup(store::RecordStore& commandDb) : commandDb_(commandDb) {}

    // Up to kRowsPerPage words beginning with `word` (compared without case),
    // after the first `skip` of them, in database order: by the word without
    // case, then in the order they were added. Empty when none are left, and
    // when the library cannot be read at once.
    std::vector<std::string> page(std::string_view word, int skip);

private:
    store::RecordStore& commandDb_;
};

}  // namespace quorvane::hints
