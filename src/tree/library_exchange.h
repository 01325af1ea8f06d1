#pragma once
// Export of the whole library to a library file, and import of such a file
// merged into the library in one transaction. Used by the panel's menu and
// by the command line alike.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/record_store.h"
#include "tree/library_document.h"

namespace quorvane::tree {

struct ExportCounts {
    int categories = 0;
    int commands = 0;
    int hints = 0;
    // Commands whose category number no category has: the tree never shows
    // them, and a nested file has no place for them.
    int commandsWithoutCategory = 0;
};

struct ExportResult {
    bool exported = false;
    std::string problem;
    ExportCounts counts;
};

// Reads the library as the tree shows it (the same nesting, siblings in row
// order) and writes it to `file`, replacing it only once the new file is
// complete on the disk.
ExportResult exportLibrary(store::RecordStore& commandDb, const std::filesystem::path& file);

// Reads and checks a library file: nothing is written anywhere.
ReadDocument readLibraryFile(const std::filesystem::path& file);

struct ImportCounts {
    int categoriesAdded = 0;
    int categoriesSkipped = 0;
    int commandsAdded = 0;
    int commandsSkipped = 0;
    int hintsAdded = 0;
    int hintsSkipped = 0;
};

// A category the import added, in the order added (parents first).
struct AddedCategory {
    std::int64_t rowId = 0;
    std::string name;
    std::int32_t number = 0;
    std::int32_t parentNumber = 0;
};
struct AddedCommand {
    std::int64_t rowId = 0;
    std::string name;
    std::string chineseName;
    std::int32_t category = 0;
};

struct ImportResult {
    bool imported = false;
    std::string problem;
    ImportCounts counts;
    std::vector<AddedCategory> categories;
    std::vector<AddedCommand> commands;
};

// Merges the document into the library, all or nothing. A category matches
// an existing one by its path of names from the top; a missing one gets a
// new number. A command whose name its category already has, and a hint
// word the library already has, are skipped. Names compare as the library's
// columns do (ASCII letters without regard to case).
ImportResult importLibrary(store::RecordStore& commandDb, const LibraryDocument& document);

// One line each, for the message box and the command line alike.
std::string exportSummary(const ExportCounts& counts, const std::filesystem::path& file);
std::string importSummary(const ImportCounts& counts);

}  // namespace quorvane::tree
