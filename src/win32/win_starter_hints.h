#pragma once
#include "platform/starter_hints.h"

namespace quorvane::win32 {

// The list in the exe's resource STARTER_HINTS.
class WinStarterHints final : public StarterHints {
public:
    std::string_view text() override;
};

}  // namespace quorvane::win32
