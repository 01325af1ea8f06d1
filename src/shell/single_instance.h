#pragma once
// One panel per library. A running panel holds a system-wide mutex named
// after the folder of its library; a second start finds it taken, calls the
// running panel up and ends.
#include <filesystem>
#include <string>

namespace quorvane::shell {

// The mutex's name for the library in `runDirectory`. Folders that Windows
// takes for the same one (letters in another case, a trailing separator)
// give the same name; the name holds no further backslash.
std::string panelMutexName(const std::filesystem::path& runDirectory);

}  // namespace quorvane::shell
