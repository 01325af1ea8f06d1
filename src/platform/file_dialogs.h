#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// One entry of a file dialog's type list: "文本文件" with "*.txt".
struct FileTypeFilter {
    std::string description;
    std::string pattern;  // patterns separated by ';'
};

// The system's standard dialogs for choosing files, owned by the panel.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The user picks an existing file to open; nullopt when the dialog was
    // cancelled. The first filter is selected at opening.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const std::string& title,
                                                                  const std::vector<FileTypeFilter>& filters) = 0;
    // The user names a file to write, starting from `suggestedName`; the
    // dialog asks before an existing file is replaced. nullopt when cancelled.
    virtual std::optional<std::filesystem::path> chooseFileToSave(const std::string& title,
                                                                  const std::string& suggestedName,
                                                                  const std::vector<FileTypeFilter>& filters) = 0;
};

}  // namespace quorvane
