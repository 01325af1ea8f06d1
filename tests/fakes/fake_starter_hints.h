#pragma once
// A short list in place of the program's thousands of words.
#include <string>
#include <string_view>

#include "platform/starter_hints.h"

namespace quorvane::fakes {

class FakeStarterHints : public StarterHints {
public:
    std::string_view text() override { return list; }

    std::string list = "GetWindowTextA\twinuser.h\nGetWindowTextW\twinuser.h\nstrlen\n";
};

}  // namespace quorvane::fakes
