#pragma once
#include <windows.h>

#include "platform/file_dialogs.h"

namespace quorvane::win32 {

// The common dialog's open-file and save-file boxes, owned by the panel.
class WinFileDialogs final : public FileDialogs {
public:
    explicit WinFileDialogs(HWND owner) : owner_(owner) {}

    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& title,
                                                          const std::vector<FileTypeFilter>& filters) override;
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& title, const std::string& suggestedName,
                                                          const std::vector<FileTypeFilter>& filters) override;

private:
    std::optional<std::filesystem::path> choose(bool save, const std::string& title,
                                                const std::string& suggestedName,
                                                const std::vector<FileTypeFilter>& filters);

    HWND owner_;
};

}  // namespace quorvane::win32
