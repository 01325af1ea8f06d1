#include "shell/automatic_backups.h"

#include "store/library_file.h"

namespace quorvane::shell {

AutomaticBackups::AutomaticBackups(const std::filesystem::path& library, WallClock& clock)
    : backups_(library, store::kLibraryPassword), clock_(clock) {}

std::optional<std::string> AutomaticBackups::backUp() {
    const store::BackupResult result = backups_.backUp(clock_.now(), true);
    if (result.outcome != store::BackupResult::Outcome::Failed || failureTold_) return std::nullopt;
    failureTold_ = true;
    return "自动备份失败：" + result.problem + "。命令数据库没有改动。";
}

}  // namespace quorvane::shell
