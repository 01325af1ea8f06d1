#pragma once
// "导出命令库..." and "导入命令库...": a library file chosen in the standard
// dialogs; an import's new categories and commands join the tree item by item.
#include <functional>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "store/record_store.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

inline constexpr char kExportTitle[] = "导出命令库";
inline constexpr char kImportTitle[] = "导入命令库";
inline constexpr char kExportFileName[] = "命令库.json";
// 命令库文件 (*.json), then every file.
const std::vector<FileTypeFilter>& libraryFileFilters();

class LibraryTransfer {
public:
    // `backUpFirst` runs once a file has passed its checks, before it is merged in.
    LibraryTransfer(TreeModel& model, store::RecordStore& commandDb, FileDialogs& files, Messages& messages,
                    std::function<void()> backUpFirst)
        : model_(model), commandDb_(commandDb), files_(files), messages_(messages), backUpFirst_(std::move(backUpFirst)) {}

    void exportLibrary();
    void importLibrary();

private:
    TreeModel& model_;
    store::RecordStore& commandDb_;
    FileDialogs& files_;
    Messages& messages_;
    std::function<void()> backUpFirst_;
};

}  // namespace quorvane::tree
