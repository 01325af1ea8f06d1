#pragma once
#include <filesystem>
#include <string>

#include "platform/messages.h"

namespace quorvane::shell {

// Start-up cannot use the library; `problem` tells the user why. Without a
// backup beside it, that is all that is shown. With one, the user is asked
// whether the newest backup is to take the library's place; the unusable
// file is kept under another name. True when the backup is in place.
bool offerBackupRestore(Messages& messages, const std::filesystem::path& library, const std::string& problem);

}  // namespace quorvane::shell
