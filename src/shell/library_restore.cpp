#include "shell/library_restore.h"

#include <optional>

#include "platform/utf8_path.h"
#include "store/library_backup.h"
#include "store/library_file.h"

namespace quorvane::shell {

bool offerBackupRestore(Messages& messages, const std::filesystem::path& library, const std::string& problem,
                        MessageIcon icon, const std::string& afterRestore) {
    const std::optional<std::filesystem::path> newest =
        store::LibraryBackups(library, store::kLibraryPassword).newest();
    if (!newest) {
        messages.show(problem, icon);
        return false;
    }
    const std::string question = problem + "\r\n\r\n是否用最新的备份 " + utf8Of(newest->filename()) +
                                 " 恢复命令数据库？\r\n现在的文件不会删除，会改名保存在原处。";
    if (messages.show(question, MessageIcon::Warning, kDefaultMessageTitle, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    const store::RestoreResult restored = store::restoreLibrary(library, *newest, store::kLibraryPassword);
    if (!restored.restored) {
        messages.show("恢复失败：" + restored.problem, MessageIcon::Warning);
        return false;
    }
    std::string done = "已用备份 " + utf8Of(newest->filename()) + " 恢复命令数据库。\r\n原来的文件已改名为 " +
                       utf8Of(restored.damagedKeptAs.filename()) + "。";
    if (!afterRestore.empty()) done += "\r\n" + afterRestore;
    messages.show(done, MessageIcon::Information);
    return true;
}

}  // namespace quorvane::shell
