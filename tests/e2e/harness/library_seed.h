#pragma once
// Libraries prepared before the program starts, with the project's own store.
#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::e2e {

// Creates a library at `file` guarded by `password` (the program's own when
// left out) and runs each SQL statement in it; false when any step fails.
bool seedLibrary(const std::filesystem::path& file, const std::vector<std::string>& statements = {},
                 const std::string& password = {});

}  // namespace quorvane::e2e
