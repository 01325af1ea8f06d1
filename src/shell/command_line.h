#pragma once
// quorvane.exe with arguments runs without a window: it does one thing to
// the library beside the executable, says how it went in one line on
// standard error, and ends with 0 when it worked and 1 when it did not.
//
//   quorvane.exe --export FILE         writes the library to a library file
//   quorvane.exe --import FILE         merges a library file into the library
//   quorvane.exe --import-hints FILE   adds the hint words of a text file
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/command_line_host.h"
#include "platform/starter_hints.h"
#include "platform/text_codec.h"
#include "platform/wall_clock.h"
#include "store/db_connection.h"
#include "store/record_store.h"

namespace quorvane::shell {

class CommandLine {
public:
    // `starterHints` and `codec` make a missing library as a start would.
    CommandLine(std::filesystem::path runDirectory, CommandLineHost& host, WallClock& clock,
                StarterHints& starterHints, const TextCodec& codec);

    // nullopt without arguments: the panel is to start. Otherwise the exit code.
    std::optional<int> run(const std::vector<std::string>& arguments);

private:
    // Each option takes one file. A new one is one more entry and its function.
    struct Command {
        std::string_view option;
        int (CommandLine::*run)(const std::filesystem::path& file);
    };
    static const std::array<Command, 3> kCommands;

    int exportTo(const std::filesystem::path& file);
    int importFrom(const std::filesystem::path& file);
    int importHintsFrom(const std::filesystem::path& file);
    // Opens the library, made first as a start would make it when it is
    // missing; the problem for the user when it cannot be had.
    std::optional<std::string> openOrCreate(store::DbConnection& control, store::RecordStore& db);
    int finish(bool succeeded, const std::string& line);
    std::string usage() const;

    std::filesystem::path library_;
    CommandLineHost& host_;
    WallClock& clock_;
    StarterHints& starterHints_;
    const TextCodec& codec_;
};

}  // namespace quorvane::shell
