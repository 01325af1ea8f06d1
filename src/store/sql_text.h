#pragma once
// Every value put between quotes in a statement passes through here.
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvane::store {

// The value with every apostrophe doubled, without surrounding quotes. Not
// enough for a like pattern: % and _ in the value would still be wildcards
// there; sqlLikePrefix keeps them literal.
std::string sqlEscape(std::string_view value);
// The value as a quoted literal: 'value', apostrophes doubled.
std::string sqlQuote(std::string_view value);
// Quoted values joined by commas, for an insert: 'a','b''c'.
std::string sqlValueList(std::initializer_list<std::string_view> values);
// The text as the library's text columns compare it (NOCASE: ASCII letters
// without regard to case, every other byte as it is), as a key for a map.
std::string nocaseKey(std::string_view text);
// The condition "column begins with prefix", the prefix taken literally:
// column like 'a\_%' escape '\'. Compares without regard to case, as like
// does; on a NOCASE column with an index the engine uses the index.
std::string sqlLikePrefix(std::string_view column, std::string_view prefix);

// Descriptions are stored with every apostrophe written as "^!".
std::string escapeDescription(std::string_view text);
std::string unescapeDescription(std::string_view stored);

}  // namespace quorvane::store
