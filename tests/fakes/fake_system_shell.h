#pragma once
#include <string>
#include <vector>

#include "platform/system_shell.h"

namespace quorvane::fakes {

class FakeSystemShell : public SystemShell {
public:
    std::string programVersion() override { return version; }
    void open(const std::string& target) override { opened.push_back(target); }

    std::string version = "1.0.0.0";
    std::vector<std::string> opened;
};

}  // namespace quorvane::fakes
