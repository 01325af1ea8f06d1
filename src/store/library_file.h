#pragma once
// The library file: its name, its password and its creation.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::store {

inline constexpr char kLibraryFileName[] = "Cmlsjk.mdb";
// An access check, not encryption: the password is a constant of the program.
inline constexpr char kLibraryPassword[] = "QPRWTZvoxe2741";

// The width of a text column in characters; 0 for a column without a limit
// (MEMO) or one the library does not have.
int columnWidth(std::string_view table, std::string_view column);

// A row of the hint table: the word and its description, as stored.
struct HintWord {
    std::string word;
    std::string description;
    friend bool operator==(const HintWord&, const HintWord&) = default;
};

// Creates the library with its three tables, guarded by `password`; the hint
// table holds `hintWords`, the others are empty. Built under a temporary
// name and renamed into place, so a failure leaves no file at `path` and a
// library never appears without its words. False when it could not be created.
bool createLibrary(const std::filesystem::path& path, const std::string& password,
                   const std::vector<HintWord>& hintWords = {});

}  // namespace quorvane::store
