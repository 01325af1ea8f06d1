#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::win32 {

// The directory of the running executable: the user's library and settings live there.
std::filesystem::path runDirectory();
// The arguments after the program's own name, as UTF-8.
std::vector<std::string> commandLineArguments();

}  // namespace quorvane::win32
