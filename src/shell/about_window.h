#pragma once
// "关于": the program's version, who makes it, and two links to what a user
// of the panel looks for on this machine: the folder that holds the library
// (and its backups), and the usage page shipped beside the program.
#include <filesystem>

#include "platform/form.h"
#include "platform/messages.h"
#include "platform/system_shell.h"

namespace quorvane::shell {

inline constexpr char kUsagePageFileName[] = "quorvane-usage.html";
// Followed by the page's path.
inline constexpr char kUsagePageMissingText[] = "找不到使用说明：";

namespace about_ids {
inline constexpr int Version = 1501;
inline constexpr int Author = 1502;
inline constexpr int LibraryFolderLink = 1503;
inline constexpr int UsageLink = 1504;
inline constexpr int Ok = 1;
}  // namespace about_ids

FormLayout aboutForm();

// Shows the window modally; returns when it has closed.
void showAboutWindow(FormHost& forms, SystemShell& system, Messages& messages,
                     const std::filesystem::path& runDirectory);

}  // namespace quorvane::shell
