#pragma once
#include "platform/system_shell.h"

namespace quorvane::win32 {

class WinSystemShell final : public SystemShell {
public:
    std::string programVersion() override;
    void open(const std::string& target) override;
};

}  // namespace quorvane::win32
