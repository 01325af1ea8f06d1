#pragma once
// Every value put between quotes in a statement passes through here.
#include <string>
#include <string_view>

namespace quorvane::store {

// The value with every apostrophe doubled, without surrounding quotes (for
// building a pattern such as like 'abc%').
std::string sqlEscape(std::string_view value);
// The value as a quoted literal: 'value', apostrophes doubled.
std::string sqlQuote(std::string_view value);

// Descriptions are stored with every apostrophe written as "^!".
std::string escapeDescription(std::string_view text);
std::string unescapeDescription(std::string_view stored);

}  // namespace quorvane::store
