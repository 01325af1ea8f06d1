#include "store/sql_text.h"

namespace quorvane::store {

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, pos)) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

}  // namespace

std::string sqlEscape(std::string_view value) {
    return replaceAll(value, "'", "''");
}

std::string sqlQuote(std::string_view value) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "'" + std::string.
    std::string quoted(1, '\'');
    quoted += sqlEscape(value);
    quoted += '\'';
    return quoted;
}

std::string sqlValueList(std::initializer_list<std::string_view> values) {
    std::string list;
    for (const std::string_view value : values) {
        if (!list.empty()) list += ',';
        list += sqlQuote(value);
    }
    return list;
}

std::string nocaseKey(std::string_view text) {
    std::string key(text);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::string sqlLikePrefix(std::string_view column, std::string_view prefix) {
    std::string pattern;
    pattern.reserve(prefix.size() + 1);
    for (const char c : prefix) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    pattern += '%';
    std::string condition(column);
    condition.append(" like ").append(sqlQuote(pattern)).append(" escape '\\'");
    return condition;
}

std::string escapeDescription(std::string_view text) {
    return replaceAll(text, "'", "^!");
}

std::string unescapeDescription(std::string_view stored) {
    return replaceAll(stored, "^!", "'");
}

}  // namespace quorvane::store
