#include "tree/library_document.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>

#include "hints/hint_table.h"
#include "platform/text_codec.h"
#include "store/library_file.h"
#include "store/sql_text.h"
#include "tree/library_tables.h"

namespace quorvane::tree {

namespace {

// Keys keep the order they are written in, so the file reads top-down.
using Json = nlohmann::ordered_json;

constexpr char kFormatKey[] = "format";
constexpr char kVersionKey[] = "version";
constexpr char kCategoriesKey[] = "categories";
constexpr char kHintsKey[] = "hints";
constexpr char kNameKey[] = "name";
constexpr char kDescriptionKey[] = "description";
constexpr char kSubcategoriesKey[] = "subcategories";
constexpr char kCommandsKey[] = "commands";
constexpr char kChineseNameKey[] = "chineseName";
constexpr char kWordKey[] = "word";

std::string problemAt(const std::string& where, const std::string& what) {
    return where.empty() ? what : where + "：" + what;
}

std::string member(const std::string& where, std::string_view key) {
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string element(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
}

// Characters as the engine counts them for a column's width.
std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The column a value of the file is stored in, for its width.
struct Column {
    const char* table;
    const char* name;
    bool escaped;  // stored with "^!" for an apostrophe, which takes two characters
};
constexpr Column kCategoryName{kCategoryTable, kCategoryNameColumn, false};
constexpr Column kCategoryDescription{kCategoryTable, kDescriptionColumn, true};
constexpr Column kCommandName{kCommandTable, kCommandNameColumn, false};
constexpr Column kChineseName{kCommandTable, kChineseNameColumn, false};
constexpr Column kCommandDescription{kCommandTable, kDescriptionColumn, true};
constexpr Column kHintWord{hints::kHintTable, hints::kHintWordColumn, false};
constexpr Column kHintDescription{hints::kHintTable, kDescriptionColumn, false};

class Writer {
public:
    bool write(const LibraryDocument& document, Json& out) {
        out = Json::object();
        out[kFormatKey] = kLibraryFormatName;
        out[kVersionKey] = kLibraryFormatVersion;
        Json& categories = out[kCategoriesKey] = Json::array();
        for (std::size_t i = 0; i < document.categories.size(); ++i) {
            if (!category(document.categories[i], element(kCategoriesKey, i), 1, categories.emplace_back()))
                return false;
        }
        Json& hints = out[kHintsKey] = Json::array();
        for (std::size_t i = 0; i < document.hints.size(); ++i) {
            const std::string where = element(kHintsKey, i);
            Json& hint = hints.emplace_back(Json::object());
            if (!text(document.hints[i].word, member(where, kWordKey), hint[kWordKey]) ||
                !text(document.hints[i].description, member(where, kDescriptionKey), hint[kDescriptionKey]))
                return false;
        }
        return true;
    }

    std::string problem;

private:
    bool text(const std::string& value, const std::string& where, Json& out) {
        if (!isUtf8(value)) {
            problem = problemAt(where, "不是 UTF-8 文本");
            return false;
        }
        out = value;
        return true;
    }

    bool category(const CategoryEntry& entry, const std::string& where, int depth, Json& out) {
        if (depth > kCategoryDepthLimit) {
            problem = problemAt(where, "分类嵌套超过 " + std::to_string(kCategoryDepthLimit) + " 层");
            return false;
        }
        out = Json::object();
        if (!text(entry.name, member(where, kNameKey), out[kNameKey]) ||
            !text(entry.description, member(where, kDescriptionKey), out[kDescriptionKey]))
            return false;
        Json& subcategories = out[kSubcategoriesKey] = Json::array();
        for (std::size_t i = 0; i < entry.subcategories.size(); ++i) {
            if (!category(entry.subcategories[i], element(member(where, kSubcategoriesKey), i), depth + 1,
                          subcategories.emplace_back()))
                return false;
        }
        Json& commands = out[kCommandsKey] = Json::array();
        for (std::size_t i = 0; i < entry.commands.size(); ++i) {
            const CommandEntry& command = entry.commands[i];
            const std::string at = element(member(where, kCommandsKey), i);
            Json& written = commands.emplace_back(Json::object());
            if (!text(command.name, member(at, kNameKey), written[kNameKey]) ||
                !text(command.chineseName, member(at, kChineseNameKey), written[kChineseNameKey]) ||
                !text(command.description, member(at, kDescriptionKey), written[kDescriptionKey]))
                return false;
        }
        return true;
    }
};

class Reader {
public:
    bool read(const Json& root, LibraryDocument& out) {
        if (!root.is_object()) return fail("", "文件的顶层不是 JSON 对象，不是命令库文件");
        if (!onlyKeys(root, "", {kFormatKey, kVersionKey, kCategoriesKey, kHintsKey})) return false;
        const auto format = root.find(kFormatKey);
        if (format == root.end() || !format->is_string() || format->get_ref<const std::string&>() != kLibraryFormatName)
            return fail(kFormatKey, std::string("应为 \"") + kLibraryFormatName + "\"，不是命令库文件");
        const auto version = root.find(kVersionKey);
        if (version == root.end()) return fail(kVersionKey, "缺少格式版本");
        if (!version->is_number_integer() || *version != kLibraryFormatVersion) {
            return fail(kVersionKey, "不支持的格式版本 " + version->dump() + "（本程序读取版本 " +
                                         std::to_string(kLibraryFormatVersion) + "）");
        }

        const Json* categories = nullptr;
        if (!array(root, "", kCategoriesKey, categories)) return false;
        for (std::size_t i = 0; categories != nullptr && i < categories->size(); ++i) {
            if (!category((*categories)[i], element(kCategoriesKey, i), 1, out.categories.emplace_back()))
                return false;
        }
        const Json* hints = nullptr;
        if (!array(root, "", kHintsKey, hints)) return false;
        for (std::size_t i = 0; hints != nullptr && i < hints->size(); ++i) {
            const Json& hint = (*hints)[i];
            const std::string where = element(kHintsKey, i);
            HintEntry& entry = out.hints.emplace_back();
            if (!object(hint, where, {kWordKey, kDescriptionKey}) ||
                !text(hint, where, kWordKey, true, kHintWord, entry.word) ||
                !text(hint, where, kDescriptionKey, false, kHintDescription, entry.description))
                return false;
        }
        return true;
    }

    std::string problem;

private:
    bool fail(const std::string& where, const std::string& what) {
        problem = problemAt(where, what);
        return false;
    }

    bool onlyKeys(const Json& value, const std::string& where, std::initializer_list<std::string_view> keys) {
        for (const auto& [key, ignored] : value.items()) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) return fail(member(where, key), "未知的键");
        }
        return true;
    }

    bool object(const Json& value, const std::string& where, std::initializer_list<std::string_view> keys) {
        if (!value.is_object()) return fail(where, "应为 JSON 对象");
        return onlyKeys(value, where, keys);
    }

    // An absent array reads as empty (`out` stays null).
    bool array(const Json& value, const std::string& where, const char* key, const Json*& out) {
        const auto found = value.find(key);
        if (found == value.end()) return true;
        if (!found->is_array()) return fail(member(where, key), "应为数组");
        out = &*found;
        return true;
    }

    bool text(const Json& value, const std::string& where, const char* key, bool required, const Column& column,
              std::string& out) {
        const std::string at = member(where, key);
        const auto found = value.find(key);
        if (found == value.end()) return required ? fail(at, "缺少") : true;
        if (!found->is_string()) return fail(at, "应为文本");
        out = found->get<std::string>();
        // A statement's text ends at a NUL: the value could never be stored whole.
        if (out.find('\0') != std::string::npos) return fail(at, "含有 NUL 字符");
        const int width = store::columnWidth(column.table, column.name);
        const std::size_t length = characters(column.escaped ? store::escapeDescription(out) : out);
        if (width > 0 && length > static_cast<std::size_t>(width)) {
            return fail(at, "长度为 " + std::to_string(length) + " 个字符，超过上限 " + std::to_string(width) +
                                (column.escaped ? "（每个撇号按两个字符计）" : ""));
        }
        return true;
    }

    bool category(const Json& value, const std::string& where, int depth, CategoryEntry& out) {
        if (depth > kCategoryDepthLimit)
            return fail(where, "分类嵌套超过 " + std::to_string(kCategoryDepthLimit) + " 层");
        if (!object(value, where, {kNameKey, kDescriptionKey, kSubcategoriesKey, kCommandsKey}) ||
            !text(value, where, kNameKey, true, kCategoryName, out.name) ||
            !text(value, where, kDescriptionKey, false, kCategoryDescription, out.description))
            return false;
        const Json* subcategories = nullptr;
        if (!array(value, where, kSubcategoriesKey, subcategories)) return false;
        for (std::size_t i = 0; subcategories != nullptr && i < subcategories->size(); ++i) {
            if (!category((*subcategories)[i], element(member(where, kSubcategoriesKey), i), depth + 1,
                          out.subcategories.emplace_back()))
                return false;
        }
        const Json* commands = nullptr;
        if (!array(value, where, kCommandsKey, commands)) return false;
        for (std::size_t i = 0; commands != nullptr && i < commands->size(); ++i) {
            const Json& command = (*commands)[i];
            const std::string at = element(member(where, kCommandsKey), i);
            CommandEntry& entry = out.commands.emplace_back();
            if (!object(command, at, {kNameKey, kChineseNameKey, kDescriptionKey}) ||
                !text(command, at, kNameKey, true, kCommandName, entry.name) ||
                !text(command, at, kChineseNameKey, false, kChineseName, entry.chineseName) ||
                !text(command, at, kDescriptionKey, false, kCommandDescription, entry.description))
                return false;
        }
        return true;
    }
};

// "第 3 行第 7 列" of the byte at `offset` (1-based, as the parser counts).
std::string lineAndColumn(std::string_view text, std::size_t offset) {
    const std::size_t end = std::min(offset > 0 ? offset - 1 : 0, text.size());
    const std::string_view before = text.substr(0, end);
    const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    const std::size_t column = characters(before.substr(lineStart)) + 1;
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

}  // namespace

WrittenDocument writeLibraryDocument(const LibraryDocument& document) {
    WrittenDocument written;
    Writer writer;
    Json json;
    if (!writer.write(document, json)) {
        written.problem = writer.problem;
        return written;
    }
    written.json = json.dump(2, ' ', false, Json::error_handler_t::strict);
    written.json += '\n';
    return written;
}

ReadDocument readLibraryDocument(std::string_view text) {
    ReadDocument read;
    Json root;
    // The parser takes a NUL for the end of the text: what follows one would
    // go unread, so the text ends at the first NUL and a NUL is itself a fault.
    const std::size_t nul = text.find('\0');
    const std::string_view parsed = text.substr(0, nul);
    // The parser reports by exception; it stops here, as a result.
    try {
        root = Json::parse(parsed.begin(), parsed.end());
    } catch (const Json::parse_error& error) {
        read.problem = "不是有效的 JSON（" + lineAndColumn(text, error.byte) + "）";
        return read;
    } catch (const Json::exception&) {
        read.problem = "不是有效的 JSON";
        return read;
    }
    if (nul != std::string_view::npos) {
        read.problem = "不是有效的 JSON（" + lineAndColumn(text, nul + 1) + "）";
        return read;
    }
    Reader reader;
    LibraryDocument document;
    if (!reader.read(root, document)) {
        read.problem = reader.problem;
        return read;
    }
    read.document = std::move(document);
    return read;
}

}  // namespace quorvane::tree
