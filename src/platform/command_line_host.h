#pragma once
#include <string>

namespace quorvane {

// What a run from the command line needs of the system: no window, one
// line on standard error, and whether a panel is running at the moment.
class CommandLineHost {
public:
    virtual ~CommandLineHost() = default;
    // `line` is UTF-8, without a line break.
    virtual void writeErrorLine(const std::string& line) = 0;
    // A panel is running on the library beside the executable.
    virtual bool panelRunning() = 0;
};

}  // namespace quorvane
