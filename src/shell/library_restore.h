#pragma once
#include <filesystem>
#include <string>

#include "platform/messages.h"

namespace quorvane::shell {

// Said after a restore when the program ends rather than going on.
inline constexpr char kStartAgainText[] = "请重新启动 Quorvane。";

// Start-up cannot use the library; `problem` tells the user why. Without a
// backup beside it, that is all that is shown, with `icon`. With one, the
// user is asked whether the newest backup is to take the library's place;
// the unusable file is kept under another name, and the message that says
// so ends with `afterRestore`. True when the backup is in place.
bool offerBackupRestore(Messages& messages, const std::filesystem::path& library, const std::string& problem,
                        MessageIcon icon = MessageIcon::None, const std::string& afterRestore = "");

}  // namespace quorvane::shell
