#include "tree/library_exchange.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "hints/hint_table.h"
#include "platform/utf8_path.h"
#include "settings/file_io.h"
#include "settings/settings_file.h"
#include "store/sql_text.h"
#include "tree/library_tables.h"
#include "tree/tree_loader.h"
#include "tree/tree_model.h"

namespace quorvane::tree {

namespace fs = std::filesystem;

namespace {

std::string readProblem(store::RecordStore& db) {
    return "读取命令数据库失败（" + db.lastError().message + "）";
}

std::int64_t rowIdOf(store::RecordStore& db, store::ResultSetHandle set) {
    return static_cast<std::int64_t>(db.ReadNumber(kIdColumn, set));
}

// Calls `each` on every row of `table`, in row order.
template <typename Each>
void forEachRow(store::RecordStore& db, const char* table, Each each) {
    const store::ResultSetHandle set = db.Query(table, "*", "");
    if (set == 0) return;
    while (!db.PastEnd(set)) {
        each(set);
        db.NextRecord(set);
    }
    db.CloseQuery(set);
}

// The tree as the panel shows it, turned into the file's nesting.
class DocumentBuilder {
public:
    DocumentBuilder(const TreeModel& model, std::unordered_map<std::int64_t, std::string> categoryDescriptions,
                    std::unordered_map<std::int64_t, CommandEntry> commands)
        : model_(model), categoryDescriptions_(std::move(categoryDescriptions)), commands_(std::move(commands)) {}

    bool build(std::vector<CategoryEntry>& out) {
        for (const TreeItemId top : model_.childrenOf(TreeItemId::None)) {
            if (!category(top, 1, out.emplace_back())) return false;
        }
        return true;
    }

    ExportCounts counts;
    std::string problem;

private:
    bool category(TreeItemId item, int depth, CategoryEntry& out) {
        // Deeper than a file may be: the file could not be imported again.
        if (depth > kCategoryDepthLimit) {
            problem = "分类“" + model_.labelOf(item) + "”嵌套超过 " + std::to_string(kCategoryDepthLimit) + " 层";
            return false;
        }
        const int index = model_.indexOf(item);
        out.name = model_.labelOf(item);
        out.description = categoryDescriptions_[model_.rowId(index)];
        ++counts.categories;
        for (const TreeItemId child : model_.childrenOf(item)) {
            const int childIndex = model_.indexOf(child);
            if (!model_.isCommand(childIndex)) {
                if (!category(child, depth + 1, out.subcategories.emplace_back())) return false;
                continue;
            }
            // Two categories of one number show the same rows: each row goes once.
            const auto found = commands_.find(model_.rowId(childIndex));
            if (found == commands_.end()) continue;
            out.commands.push_back(std::move(found->second));
            commands_.erase(found);
            ++counts.commands;
        }
        return true;
    }

    const TreeModel& model_;
    std::unordered_map<std::int64_t, std::string> categoryDescriptions_;
    std::unordered_map<std::int64_t, CommandEntry> commands_;
};

// The new file is complete on the disk before it takes the old one's name.
bool replaceFile(const fs::path& file, std::string_view bytes) {
    for (int number = 1; number <= 100; ++number) {
        fs::path partial = file;
        partial += ".part" + std::to_string(number);
        if (!settings::writeNewFile(partial, bytes)) continue;
        std::error_code error;
        fs::rename(partial, file, error);
        if (!error) return true;
        fs::remove(partial, error);
        return false;
    }
    return false;
}

}  // namespace

ExportResult exportLibrary(store::RecordStore& commandDb, const fs::path& file) {
    ExportResult result;
    commandDb.clearError();
    TreeModel model;
    fillCommandTree(model, commandDb);
    std::unordered_map<std::int64_t, std::string> categoryDescriptions;
    forEachRow(commandDb, kCategoryTable, [&](store::ResultSetHandle set) {
        categoryDescriptions[rowIdOf(commandDb, set)] =
            store::unescapeDescription(commandDb.ReadText(kDescriptionColumn, set));
    });
    std::unordered_map<std::int64_t, CommandEntry> commands;
    forEachRow(commandDb, kCommandTable, [&](store::ResultSetHandle set) {
        commands[rowIdOf(commandDb, set)] = {commandDb.ReadText(kCommandNameColumn, set),
                                             commandDb.ReadText(kChineseNameColumn, set),
                                             store::unescapeDescription(commandDb.ReadText(kDescriptionColumn, set))};
    });
    LibraryDocument document;
    forEachRow(commandDb, hints::kHintTable, [&](store::ResultSetHandle set) {
        document.hints.push_back(
            {commandDb.ReadText(hints::kHintWordColumn, set), commandDb.ReadText(kDescriptionColumn, set)});
    });
    if (commandDb.failed()) {
        result.problem = readProblem(commandDb);
        return result;
    }

    const std::size_t commandRows = commands.size();
    DocumentBuilder builder(model, std::move(categoryDescriptions), std::move(commands));
    if (!builder.build(document.categories)) {
        result.problem = builder.problem;
        return result;
    }
    result.counts = builder.counts;
    result.counts.hints = static_cast<int>(document.hints.size());
    result.counts.commandsWithoutCategory = static_cast<int>(commandRows) - result.counts.commands;

    const WrittenDocument written = writeLibraryDocument(document);
    if (!written.problem.empty()) {
        result.problem = written.problem;
        return result;
    }
    if (!replaceFile(file, written.json)) {
        result.problem = "无法写入文件 " + utf8Of(file);
        return result;
    }
    result.exported = true;
    return result;
}

ReadDocument readLibraryFile(const fs::path& file) {
    ReadDocument read;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    std::ifstream in(file, std::ios::binary);
    if (error || !in) {
        read.problem = "无法读取文件 " + utf8Of(file);
        return read;
    }
    if (size > kLibraryFileLimit) {
        read.problem = "文件有 " + std::to_string(size) + " 字节，超过上限 " + std::to_string(kLibraryFileLimit) + " 字节";
        return read;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    // A file that grew after its size was read is cut at the limit's check, not beyond.
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size())) || in.peek() != std::char_traits<char>::eof()) {
        read.problem = "无法完整读取文件 " + utf8Of(file);
        return read;
    }
    return readLibraryDocument(text);
}

namespace {

// What the library holds before the import, keyed as its columns compare.
struct ExistingLibrary {
    // Category number by (parent number, name).
    std::map<std::pair<std::int32_t, std::string>, std::int32_t> categories;
    std::int64_t largestNumber = 0;
    // (category number, command name)
    std::set<std::pair<std::int32_t, std::string>> commands;
    std::set<std::string> hints;
};

ExistingLibrary readExisting(store::RecordStore& db) {
    ExistingLibrary existing;
    forEachRow(db, kCategoryTable, [&](store::ResultSetHandle set) {
        const std::int32_t number = settings::toInteger(db.ReadText(kCategoryNumberColumn, set));
        const std::int32_t parent = settings::toInteger(db.ReadText(kCategoryParentColumn, set));
        // The first row of a name under a parent is the one matched, as the tree shows it first.
        existing.categories.emplace(std::make_pair(parent, store::nocaseKey(db.ReadText(kCategoryNameColumn, set))),
                                    number);
        existing.largestNumber = std::max<std::int64_t>(existing.largestNumber, number);
    });
    forEachRow(db, kCommandTable, [&](store::ResultSetHandle set) {
        existing.commands.emplace(settings::toInteger(db.ReadText(kCommandCategoryColumn, set)),
                                  store::nocaseKey(db.ReadText(kCommandNameColumn, set)));
    });
    forEachRow(db, hints::kHintTable, [&](store::ResultSetHandle set) {
        existing.hints.insert(store::nocaseKey(db.ReadText(hints::kHintWordColumn, set)));
    });
    return existing;
}

class Merger {
public:
    Merger(store::RecordStore& db, ExistingLibrary existing, ImportResult& result)
        : db_(db), existing_(std::move(existing)), result_(result) {}

    bool categories(const std::vector<CategoryEntry>& entries, std::int32_t parentNumber) {
        for (const CategoryEntry& entry : entries) {
            const auto key = std::make_pair(parentNumber, store::nocaseKey(entry.name));
            std::int32_t number = 0;
            if (const auto found = existing_.categories.find(key); found != existing_.categories.end()) {
                number = found->second;
                ++result_.counts.categoriesSkipped;
            } else {
                if (existing_.largestNumber >= std::numeric_limits<std::int32_t>::max()) {
                    result_.problem = "分类编号已用尽";
                    return false;
                }
                number = static_cast<std::int32_t>(++existing_.largestNumber);
                if (!db_.Insert(kCategoryTable, "分类名,序号,父类,说明",
                                store::sqlValueList({entry.name, std::to_string(number), std::to_string(parentNumber),
                                                     store::escapeDescription(entry.description)})))
                    return writeFailed();
                existing_.categories.emplace(key, number);
                result_.categories.push_back({db_.lastInsertedId(), entry.name, number, parentNumber});
                ++result_.counts.categoriesAdded;
            }
            if (!commands(entry.commands, number) || !categories(entry.subcategories, number)) return false;
        }
        return true;
    }

    bool hints(const std::vector<HintEntry>& entries) {
        for (const HintEntry& entry : entries) {
            if (!existing_.hints.insert(store::nocaseKey(entry.word)).second) {
                ++result_.counts.hintsSkipped;
                continue;
            }
            if (!db_.Insert(hints::kHintTable, "命令,说明", store::sqlValueList({entry.word, entry.description})))
                return writeFailed();
            ++result_.counts.hintsAdded;
        }
        return true;
    }

private:
    bool commands(const std::vector<CommandEntry>& entries, std::int32_t category) {
        for (const CommandEntry& entry : entries) {
            if (!existing_.commands.emplace(category, store::nocaseKey(entry.name)).second) {
                ++result_.counts.commandsSkipped;
                continue;
            }
            if (!db_.Insert(kCommandTable, "命令名,中文名,分类,说明",
                            store::sqlValueList({entry.name, entry.chineseName, std::to_string(category),
                                                 store::escapeDescription(entry.description)})))
                return writeFailed();
            result_.commands.push_back({db_.lastInsertedId(), entry.name, entry.chineseName, category});
            ++result_.counts.commandsAdded;
        }
        return true;
    }

    bool writeFailed() {
        result_.problem = "写入命令数据库失败（" + db_.lastError().message + "）";
        return false;
    }

    store::RecordStore& db_;
    ExistingLibrary existing_;
    ImportResult& result_;
};

}  // namespace

ImportResult importLibrary(store::RecordStore& commandDb, const LibraryDocument& document) {
    ImportResult result;
    commandDb.clearError();
    if (!commandDb.beginTransaction()) {
        result.problem = "无法开始写入命令数据库（" + commandDb.lastError().message + "）";
        return result;
    }
    // Read inside the transaction: nobody can add a row between the look and the write.
    ExistingLibrary existing = readExisting(commandDb);
    if (commandDb.failed()) {
        commandDb.rollbackTransaction();
        result.problem = readProblem(commandDb);
        return result;
    }
    Merger merger(commandDb, std::move(existing), result);
    if (!merger.categories(document.categories, 0) || !merger.hints(document.hints) ||
        !commandDb.commitTransaction()) {
        if (result.problem.empty()) result.problem = "写入命令数据库失败（" + commandDb.lastError().message + "）";
        commandDb.rollbackTransaction();
        const std::string problem = std::move(result.problem);
        result = ImportResult{};
        result.problem = problem;
        return result;
    }
    result.imported = true;
    return result;
}

std::string exportSummary(const ExportCounts& counts, const fs::path& file) {
    std::string text = "已导出 " + std::to_string(counts.categories) + " 个分类、" + std::to_string(counts.commands) +
                       " 个命令、" + std::to_string(counts.hints) + " 个提示词到 " + utf8Of(file);
    if (counts.commandsWithoutCategory > 0)
        text += "；" + std::to_string(counts.commandsWithoutCategory) + " 个命令不属于任何分类，未导出";
    return text;
}

std::string importSummary(const ImportCounts& c) {
    const auto pair = [](const char* what, int added, int skipped) {
        return std::string(what) + "添加 " + std::to_string(added) + " 个、跳过 " + std::to_string(skipped) + " 个";
    };
    return "已导入：" + pair("分类", c.categoriesAdded, c.categoriesSkipped) + "；" +
           pair("命令", c.commandsAdded, c.commandsSkipped) + "；" + pair("提示词", c.hintsAdded, c.hintsSkipped);
}

}  // namespace quorvane::tree
