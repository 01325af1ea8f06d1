#include "shell/command_line.h"

#include <system_error>
#include <utility>

#include "hints/hint_import.h"
#include "hints/hint_words_file.h"
#include "platform/utf8_path.h"
#include "store/db_connection.h"
#include "store/library_backup.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "tree/library_exchange.h"

namespace quorvane::shell {

namespace fs = std::filesystem;

const std::array<CommandLine::Command, 3> CommandLine::kCommands = {{
    {"--export", &CommandLine::exportTo},
    {"--import", &CommandLine::importFrom},
    {"--import-hints", &CommandLine::importHintsFrom},
}};

CommandLine::CommandLine(fs::path runDirectory, CommandLineHost& host, WallClock& clock, StarterHints& starterHints,
                         const TextCodec& codec)
    : library_(std::move(runDirectory) / store::kLibraryFileName),
      host_(host),
      clock_(clock),
      starterHints_(starterHints),
      codec_(codec) {}

std::optional<int> CommandLine::run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return std::nullopt;
    for (const Command& command : kCommands) {
        if (arguments.front() != command.option) continue;
        if (arguments.size() != 2 || arguments[1].empty()) return finish(false, usage());
        return (this->*command.run)(pathFromUtf8(arguments[1]));
    }
    return finish(false, "未知的参数 " + arguments.front() + "。" + usage());
}

std::string CommandLine::usage() const {
    std::string text = "用法：quorvane.exe";
    for (std::size_t i = 0; i < kCommands.size(); ++i) text.append(i == 0 ? " " : " | ").append(kCommands[i].option).append(" 文件");
    return text;
}

int CommandLine::finish(bool succeeded, const std::string& line) {
    host_.writeErrorLine(line);
    return succeeded ? 0 : 1;
}

int CommandLine::exportTo(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(library_, ec)) return finish(false, "导出失败：没有命令数据库");
    store::DbConnection control;
    store::RecordStore db;
    if (!db.Open(control, library_, store::kLibraryPassword)) return finish(false, "导出失败：打开命令数据库失败");
    const tree::ExportResult result = tree::exportLibrary(db, file);
    if (!result.exported) return finish(false, "导出失败：" + result.problem);
    return finish(true, tree::exportSummary(result.counts, file));
}

int CommandLine::importFrom(const fs::path& file) {
    // The panel's tree would no longer show the library, and its next change
    // would be made against rows it never saw.
    if (host_.panelRunning()) return finish(false, "导入失败：Quorvane 面板正在运行，请先关闭面板再导入");
    const tree::ReadDocument read = tree::readLibraryFile(file);
    if (!read.document) return finish(false, "导入失败：" + read.problem);

    store::DbConnection control;
    store::RecordStore db;
    if (const auto problem = openOrCreate(control, db)) return finish(false, "导入失败：" + *problem);
    const store::BackupResult backup = store::LibraryBackups(library_, store::kLibraryPassword).backUp(clock_.now(), true);
    const tree::ImportResult result = tree::importLibrary(db, *read.document);
    if (!result.imported) return finish(false, "导入失败：" + result.problem);
    std::string line = tree::importSummary(result.counts);
    if (backup.outcome == store::BackupResult::Outcome::Failed) line += "（导入前的自动备份失败：" + backup.problem + "）";
    return finish(true, line);
}

int CommandLine::importHintsFrom(const fs::path& file) {
    // Words added while a panel runs are simply there at its next lookup.
    store::DbConnection control;
    store::RecordStore db;
    if (const auto problem = openOrCreate(control, db)) return finish(false, "导入失败：" + *problem);
    const hints::HintImportResult result = hints::importHintWordsFile(file, db, codec_);
    return finish(result.succeeded, result.message);
}

std::optional<std::string> CommandLine::openOrCreate(store::DbConnection& control, store::RecordStore& db) {
    std::error_code ec;
    // As a start would: a missing library is made first.
    if (!fs::exists(library_, ec) &&
        !store::createLibrary(library_, store::kLibraryPassword,
                              hints::starterHintWords(starterHints_.text(), codec_)))
        return "无法建立命令数据库";
    if (!db.Open(control, library_, store::kLibraryPassword)) return "打开命令数据库失败";
    return std::nullopt;
}

}  // namespace quorvane::shell
