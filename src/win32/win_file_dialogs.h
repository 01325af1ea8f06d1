#pragma once
#include <windows.h>

#include "platform/file_dialogs.h"

namespace quorvane::win32 {

// The common "Save as" and "Open" dialogs, owned by the panel.
class WinFileDialogs final : public FileDialogs {
public:
    explicit WinFileDialogs(HWND owner) : owner_(owner) {}

    std::optional<std::filesystem::path> askFileToSave(const std::string& title, const std::string& suggestedName,
                                                        const FileKind& kind) override;
    std::optional<std::filesystem::path> askFileToOpen(const std::string& title, const FileKind& kind) override;

private:
    std::optional<std::filesystem::path> ask(bool save, const std::string& title, const std::string& suggestedName,
                                             const FileKind& kind);

    HWND owner_;
};

}  // namespace quorvane::win32
