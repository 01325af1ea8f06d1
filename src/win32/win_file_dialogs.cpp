#include "win32/win_file_dialogs.h"

#include <commdlg.h>

#include <string>

#include "win32/win_text.h"

namespace quorvane::win32 {

std::optional<std::filesystem::path> WinFileDialogs::chooseFileToOpen(const std::string& title,
                                                                      const std::vector<FileTypeFilter>& filters) {
    return choose(false, title, "", filters);
}

std::optional<std::filesystem::path> WinFileDialogs::chooseFileToSave(const std::string& title,
                                                                      const std::string& suggestedName,
                                                                      const std::vector<FileTypeFilter>& filters) {
    return choose(true, title, suggestedName, filters);
}

std::optional<std::filesystem::path> WinFileDialogs::choose(bool save, const std::string& title,
                                                            const std::string& suggestedName,
                                                            const std::vector<FileTypeFilter>& filters) {
    // Pairs of texts, each ended by a NUL, the list by one more: "文本文件 (*.txt)", "*.txt", ...
    std::wstring filterList;
    for (const FileTypeFilter& filter : filters) {
        filterList += toUtf16(filter.description + " (" + filter.pattern + ")");
        filterList += L'\0';
        filterList += toUtf16(filter.pattern);
        filterList += L'\0';
    }
    filterList += L'\0';
    const std::wstring caption = toUtf16(title);
    // Long paths too: the buffer is far beyond MAX_PATH.
    std::wstring file = toUtf16(suggestedName);
    file.resize(32768, L'\0');
    // A name typed without an extension gets the first filter's ("*.json": "json").
    const std::wstring defaultExtension =
        filters.empty() ? std::wstring() : toUtf16(filters.front().pattern.substr(filters.front().pattern.find('.') + 1));

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner_;
    request.lpstrFilter = filterList.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = caption.c_str();
    // NOCHANGEDIR: the program's current directory stays where it was.
    request.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                    (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (save) request.lpstrDefExt = defaultExtension.c_str();
    if (!(save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request))) return std::nullopt;
    file.resize(file.find(L'\0'));
    return std::filesystem::path(file);
}

}  // namespace quorvane::win32
