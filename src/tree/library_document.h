#pragma once
// The library as a file of its own, for export and import: UTF-8 JSON with a
// format name and version, the categories as a nested tree, each with its
// commands, and the hint words. Texts are as the user sees them: an
// apostrophe is an apostrophe, never the library's "^!".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::tree {

inline constexpr char kLibraryFormatName[] = "quorvane-library";
inline constexpr int kLibraryFormatVersion = 1;
// A larger file is refused before it is read.
inline constexpr std::uintmax_t kLibraryFileLimit = std::uintmax_t{64} << 20;
// Deeper nesting is refused: no tree the panel can show goes that deep.
inline constexpr int kCategoryDepthLimit = 100;

struct CommandEntry {
    std::string name;
    std::string chineseName;
    std::string description;
};

struct CategoryEntry {
    std::string name;
    std::string description;
    std::vector<CategoryEntry> subcategories;
    std::vector<CommandEntry> commands;
};

struct HintEntry {
    std::string word;
    std::string description;
};

struct LibraryDocument {
    std::vector<CategoryEntry> categories;
    std::vector<HintEntry> hints;
};

// Empty `problem` on success. A problem names what is wrong and where, as
// "categories[2].commands[5].name：……".
struct WrittenDocument {
    std::string json;
    std::string problem;
};
struct ReadDocument {
    std::optional<LibraryDocument> document;
    std::string problem;
};

WrittenDocument writeLibraryDocument(const LibraryDocument& document);
// Checks the shape, the version, valid UTF-8, the nesting and every value
// against the width of the column it is stored in; stops at the first problem.
ReadDocument readLibraryDocument(std::string_view json);

}  // namespace quorvane::tree
