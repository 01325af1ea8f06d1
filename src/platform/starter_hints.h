#pragma once
#include <string_view>

namespace quorvane {

// The hint words a new library starts with, as the program carries them:
// UTF-8 text, one word a line, optionally a tab and a description.
class StarterHints {
public:
    virtual ~StarterHints() = default;
    // Empty when the program carries none.
    virtual std::string_view text() = 0;
};

}  // namespace quorvane
