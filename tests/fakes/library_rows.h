#pragma once
// Rows written straight into a library, each value through the quoting
// helper like every caller's. Numbers are texts, as stored, so malformed
// ones can be written too.
#include <gtest/gtest.h>

#include <string>

#include "store/record_store.h"
#include "store/sql_text.h"

namespace quorvane::fakes {

class LibraryRows {
public:
    explicit LibraryRows(store::RecordStore& db) : db_(db) {}

    // Each is a test failure when the row could not be written, and says so.
    bool category(const std::string& name, const std::string& number, const std::string& parent,
                  const std::string& description = "") {
        return insert("分类表", "分类名,序号,父类,说明", {name, number, parent, store::escapeDescription(description)});
    }
    bool command(const std::string& name, const std::string& chineseName = "", const std::string& category = "1",
                 const std::string& description = "") {
        return insert("命令库", "命令名,中文名,分类,说明",
                      {name, chineseName, category, store::escapeDescription(description)});
    }
    bool hint(const std::string& word, const std::string& description = "") {
        return insert("命令表", "命令,说明", {word, description});
    }

private:
    bool insert(const char* table, const char* fields, std::initializer_list<std::string> values) {
        std::string quoted;
        for (const std::string& value : values) {
            if (!quoted.empty()) quoted += ',';
            quoted += store::sqlQuote(value);
        }
        const bool written = db_.Insert(table, fields, quoted);
        EXPECT_TRUE(written) << "could not write into " << table << ": " << *values.begin();
        return written;
    }

    store::RecordStore& db_;
};

}  // namespace quorvane::fakes
