#pragma once
#include "platform/command_line_host.h"

namespace quorvane::win32 {

class WinCommandLineHost final : public CommandLineHost {
public:
    void writeErrorLine(const std::string& line) override;
    bool panelRunning() override;
};

}  // namespace quorvane::win32
