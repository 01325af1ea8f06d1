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

    void category(const std::string& name, const std::string& number, const std::string& parent,
                  const std::string& description = "") {
        EXPECT_TRUE(insert("分类表", "分类名,序号,父类,说明", {name, number, parent, store::escapeDescription(description)}))
            << name;
    }
    void command(const std::string& name, const std::string& chineseName, const std::string& category,
                 const std::string& description = "") {
        EXPECT_TRUE(insert("命令库", "命令名,中文名,分类,说明",
                           {name, chineseName, category, store::escapeDescription(description)}))
            << name;
    }
    void hint(const std::string& word, const std::string& description = "") {
        EXPECT_TRUE(insert("命令表", "命令,说明", {word, description})) << word;
    }

private:
    bool insert(const char* table, const char* fields, std::initializer_list<std::string> values) {
        std::string quoted;
        for (const std::string& value : values) {
            if (!quoted.empty()) quoted += ',';
            quoted += store::sqlQuote(value);
        }
        return db_.Insert(table, fields, quoted);
    }

    store::RecordStore& db_;
};

}  // namespace quorvane::fakes
