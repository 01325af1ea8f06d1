#pragma once
#include <filesystem>

#include "platform/command_line_host.h"

namespace quorvane::win32 {

class WinCommandLineHost final : public CommandLineHost {
public:
    // `runDirectory` holds the library a running panel would have open.
    explicit WinCommandLineHost(std::filesystem::path runDirectory) : runDirectory_(std::move(runDirectory)) {}

    void writeErrorLine(const std::string& line) override;
    bool panelRunning() override;

private:
    std::filesystem::path runDirectory_;
};

}  // namespace quorvane::win32
