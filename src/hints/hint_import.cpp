#include "hints/hint_import.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <unordered_set>
#include <utility>
#include <vector>

#include "hints/hint_table.h"
#include "hints/hint_words_file.h"
#include "platform/utf8_path.h"

namespace quorvane::hints {
namespace {

constexpr char kNothingImported[] = "，没有导入任何命令提示";

HintImportResult failure(std::string reason) {
    HintImportResult result;
    result.message = std::move(reason) + kNothingImported;
    return result;
}

std::string lineText(int line) {
    return "第 " + std::to_string(line) + " 行";
}

HintImportResult refusal(const HintFileProblem& problem) {
    switch (problem.kind) {
        case HintFileProblem::Kind::TooBig:
            return failure("文件超过 16 MiB");
        case HintFileProblem::Kind::NotText:
            return failure(lineText(problem.line) + "既不是 UTF-8 也不是 GBK 文本");
        case HintFileProblem::Kind::TooLong:
            return failure(lineText(problem.line) + "的命令或说明超过 " + std::to_string(kMaxHintCharacters) +
                           " 个字符");
        case HintFileProblem::Kind::NoWord:
            return failure(lineText(problem.line) + "只有说明，没有命令");
    }
    return failure("文件无法读取");
}

// Every statement of the import, or none of them.
bool writeAll(const std::vector<store::HintWord>& words, store::RecordStore& commandDb) {
    if (!commandDb.beginTransaction()) return false;
    for (const store::HintWord& hint : words) {
        if (!insertHintWord(commandDb, hint)) {
            commandDb.rollbackTransaction();
            return false;
        }
    }
    if (commandDb.commitTransaction()) return true;
    commandDb.rollbackTransaction();
    return false;
}

}  // namespace

HintImportResult importHintWords(std::string_view bytes, store::RecordStore& commandDb, const TextCodec& codec) {
    HintFileContent content = readHintWords(bytes, codec);
    if (content.problem) return refusal(*content.problem);

    // Read before the words go in, and checked: a read that stopped early
    // would let words in twice.
    commandDb.clearError();
    std::vector<std::string> stored;
    commandDb.ReadColumn(stored, kHintTable, kHintWordColumn, "");
    if (commandDb.failed()) return failure("命令数据库无法读取");
    std::unordered_set<std::string> seen;
    seen.reserve(stored.size() + content.words.size());
    for (const std::string& word : stored) seen.insert(hintKey(word));

    const std::size_t inFile = content.words.size();
    const std::vector<store::HintWord> added = unseenHintWords(std::move(content.words), seen);
    if (!writeAll(added, commandDb)) return failure("命令数据库无法写入");

    HintImportResult result;
    result.succeeded = true;
    result.added = static_cast<int>(added.size());
    result.repeated = static_cast<int>(inFile - added.size());
    result.blankLines = content.blankLines;
    result.message = "已导入 " + std::to_string(result.added) + " 个命令提示，跳过 " +
                     std::to_string(result.repeated + result.blankLines) + " 个（" +
                     std::to_string(result.repeated) + " 个重复，" + std::to_string(result.blankLines) +
                     " 个空行）";
    return result;
}

HintImportResult importHintWordsFile(const std::filesystem::path& file, store::RecordStore& commandDb,
                                     const TextCodec& codec) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxHintFileBytes) return refusal({HintFileProblem::Kind::TooBig, 0});
    std::ifstream in(file, std::ios::binary);
    if (error || !in) return failure("无法读取文件 " + utf8Of(file));
    // Read to its end, however it grew since: never more than one byte past the limit.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxHintFileBytes)) + 1);
    char chunk[65536];
    while (bytes.size() <= kMaxHintFileBytes && in.read(chunk, sizeof chunk).gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return failure("无法读取文件 " + utf8Of(file));
    if (bytes.size() > kMaxHintFileBytes) return refusal({HintFileProblem::Kind::TooBig, 0});
    return importHintWords(bytes, commandDb, codec);
}

}  // namespace quorvane::hints
