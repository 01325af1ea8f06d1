#include "store/sql_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane::store {
namespace {

TEST(StoreSqlText, QuotingDoublesEveryApostrophe) {
    struct Case {
        std::string value;
        std::string escaped;
    };
    const Case cases[] = {
        {"", ""},
        {"CreateWindowEx", "CreateWindowEx"},
        {"'", "''"},
        {"''", "''''"},
        {"O'Brien", "O''Brien"},
        {"x' or '1'='1", "x'' or ''1''=''1"},
        {"a'; delete from 命令库; --", "a''; delete from 命令库; --"},
        {"中文'名'", "中文''名''"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(sqlEscape(c.value), c.escaped);
        EXPECT_EQ(sqlQuote(c.value), "'" + c.escaped + "'");
    }
}

TEST(StoreSqlText, PrefixConditionEscapesWildcardsAndQuotes) {
    struct Case {
        std::string prefix;
        std::string condition;
    };
    const Case cases[] = {
        {"abc", "命令 like 'abc%' escape '\\'"},
        {"a_%\\", "命令 like 'a\\_\\%\\\\%' escape '\\'"},
        {"it's", "命令 like 'it''s%' escape '\\'"},
        {"", "命令 like '%' escape '\\'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        EXPECT_EQ(sqlLikePrefix("命令", c.prefix), c.condition);
    }
}

TEST(StoreSqlText, DescriptionEscapes) {
    struct Case {
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"", ""},
        {"no apostrophe", "no apostrophe"},
        {"it's", "it^!s"},
        {"''", "^!^!"},
        {"'中文'", "^!中文^!"},
        {"a^b", "a^b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(escapeDescription(c.text), c.stored);
        EXPECT_EQ(unescapeDescription(c.stored), c.text);
    }
}

TEST(StoreSqlText, StoredCaretBangReadsBackAsApostrophe) {
    // The stored format cannot tell a typed "^!" from an escaped apostrophe.
    EXPECT_EQ(unescapeDescription("x^!y"), "x'y");
    EXPECT_EQ(unescapeDescription(escapeDescription("x^!y")), "x'y");
    EXPECT_EQ(unescapeDescription("^^!!"), "^'!");
}

}  // namespace
}  // namespace quorvane::store
