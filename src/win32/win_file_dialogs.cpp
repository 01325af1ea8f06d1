#include "win32/win_file_dialogs.h"

#include <commdlg.h>

#include <string>

#include "win32/win_text.h"

namespace quorvane::win32 {

std::optional<std::filesystem::path> WinFileDialogs::chooseFileToOpen(const std::string& title,
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
    std::wstring file(32768, L'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner_;
    request.lpstrFilter = filterList.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = caption.c_str();
    // NOCHANGEDIR: the program's current directory stays where it was.
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetOpenFileNameW(&request)) return std::nullopt;
    file.resize(file.find(L'\0'));
    return std::filesystem::path(file);
}

}  // namespace quorvane::win32
