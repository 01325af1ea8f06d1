#pragma once
#include <string>

namespace quorvane {

// What the core needs of the system around the program itself.
class SystemShell {
public:
    virtual ~SystemShell() = default;
    // The running program's version as its version resource gives it, "1.0.0.0".
    virtual std::string programVersion() = 0;
    // Opens a file or folder (UTF-8 path) with the system's default handler.
    virtual void open(const std::string& target) = 0;
};

}  // namespace quorvane
