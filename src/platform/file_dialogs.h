#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace quorvane {

// The files a dialog offers: "命令库文件" with extension "json" lists *.json
// (and, as a second choice, every file).
struct FileKind {
    std::string description;
    std::string extension;  // without the dot
};

// The system's standard dialogs for choosing a file, owned by the panel.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // "Save as": proposes `suggestedName` and asks before replacing a file.
    // nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> askFileToSave(const std::string& title,
                                                                const std::string& suggestedName,
                                                                const FileKind& kind) = 0;
    // "Open": only an existing file can be chosen. nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> askFileToOpen(const std::string& title, const FileKind& kind) = 0;
};

}  // namespace quorvane
