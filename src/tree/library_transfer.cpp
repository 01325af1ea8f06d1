#include "tree/library_transfer.h"

#include <optional>

#include "tree/library_exchange.h"

namespace quorvane::tree {

const std::vector<FileTypeFilter>& libraryFileFilters() {
    static const std::vector<FileTypeFilter> filters{{"命令库文件", "*.json"}, {"所有文件", "*.*"}};
    return filters;
}

void LibraryTransfer::exportLibrary() {
    const std::optional<std::filesystem::path> file =
        files_.chooseFileToSave(kExportTitle, kExportFileName, libraryFileFilters());
    if (!file) return;
    const ExportResult result = tree::exportLibrary(commandDb_, *file);
    if (result.exported)
        messages_.show(exportSummary(result.counts, *file), MessageIcon::Information);
    else
        messages_.show("导出失败：" + result.problem, MessageIcon::Warning);
}

void LibraryTransfer::importLibrary() {
    const std::optional<std::filesystem::path> file = files_.chooseFileToOpen(kImportTitle, libraryFileFilters());
    if (!file) return;
    const ReadDocument read = readLibraryFile(*file);
    if (!read.document) {
        messages_.show("导入失败：" + read.problem, MessageIcon::Warning);
        return;
    }
    if (backUpFirst_) backUpFirst_();
    const ImportResult result = tree::importLibrary(commandDb_, *read.document);
    if (!result.imported) {
        messages_.show("导入失败：" + result.problem, MessageIcon::Warning);
        return;
    }
    // Parents come before their children, so each parent is in the tree by now.
    for (const AddedCategory& added : result.categories) {
        const int parent = added.parentNumber == 0 ? -1 : model_.findItemByValue(added.parentNumber);
        if (added.parentNumber == 0 || parent >= 0)
            model_.add(parent, added.name, ItemKind::Category, added.number, added.rowId);
    }
    for (const AddedCommand& added : result.commands) {
        if (const int category = model_.findItemByValue(added.category); category >= 0)
            model_.add(category, commandLabel(added.name, added.chineseName), ItemKind::Command, 0, added.rowId);
    }
    messages_.show(importSummary(result.counts), MessageIcon::Information);
}

}  // namespace quorvane::tree
