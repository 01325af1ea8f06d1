#include "win32/win_file_dialogs.h"

#include <commdlg.h>

#include <string>

#include "win32/win_text.h"

namespace quorvane::win32 {

std::optional<std::filesystem::path> WinFileDialogs::askFileToSave(const std::string& title,
                                                                    const std::string& suggestedName,
                                                                    const FileKind& kind) {
    return ask(true, title, suggestedName, kind);
}

std::optional<std::filesystem::path> WinFileDialogs::askFileToOpen(const std::string& title, const FileKind& kind) {
    return ask(false, title, "", kind);
}

std::optional<std::filesystem::path> WinFileDialogs::ask(bool save, const std::string& title,
                                                         const std::string& suggestedName, const FileKind& kind) {
    // Pairs of description and pattern, each ended by a NUL, the list by a second one.
    const std::wstring extension = toUtf16(kind.extension);
    std::wstring filter = toUtf16(kind.description) + L" (*." + extension + L")";
    filter.push_back(L'\0');
    filter += L"*." + extension;
    filter.push_back(L'\0');
    filter += L"所有文件 (*.*)";
    filter.push_back(L'\0');
    filter += L"*.*";
    filter.push_back(L'\0');

    std::wstring file = toUtf16(suggestedName);
    file.resize(32768, L'\0');
    const std::wstring caption = toUtf16(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return std::filesystem::path(file);
}

}  // namespace quorvane::win32
