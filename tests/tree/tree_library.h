#pragma once
// A real library in a temporary directory, a settings file beside it and an
// empty tree model: the world the tree is loaded from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "store/sql_text.h"
#include "tree/tree_loader.h"
#include "tree/tree_model.h"

namespace quorvane::tree::testing {

// The tree as indented labels, one line per item in index order.
inline std::vector<std::string> outline(const TreeModel& model) {
    std::vector<std::string> lines;
    for (int i = 0; i < model.count(); ++i)
        lines.push_back(std::string(static_cast<std::size_t>(2 * (model.depth(i) - 1)), ' ') +
                        model.label(i));
    return lines;
}

class TreeWorld {
public:
    TreeWorld() {
        const auto path = dir / store::kLibraryFileName;
        EXPECT_TRUE(store::createLibrary(path, store::kLibraryPassword));
        EXPECT_TRUE(db.Open(control, path, store::kLibraryPassword));
    }

    // Numbers are texts, as stored, so that malformed ones can be written too.
    void addCategory(const std::string& name, const std::string& number, const std::string& parent,
                     const std::string& description = "") {
        ASSERT_TRUE(db.Insert("分类表", "分类名,序号,父类,说明",
                              store::sqlQuote(name) + "," + store::sqlQuote(number) + "," +
                                  store::sqlQuote(parent) + "," +
                                  store::sqlQuote(store::escapeDescription(description))))
            << name;
    }
    void addCommand(const std::string& name, const std::string& chinese, const std::string& category,
                    const std::string& description = "") {
        ASSERT_TRUE(db.Insert("命令库", "命令名,中文名,分类,说明",
                              store::sqlQuote(name) + "," + store::sqlQuote(chinese) + "," +
                                  store::sqlQuote(category) + "," +
                                  store::sqlQuote(store::escapeDescription(description))))
            << name;
    }
    void saveExpandedCategory(const std::string& number) {
        ASSERT_TRUE(settings.writeOption(settings::kExpandedCategoryKey, number));
    }
    void load() { loadCommandTree(model, db, settings); }

    std::vector<std::string> column(const char* table, const char* field, const std::string& condition = "") {
        std::vector<std::string> values;
        db.ReadColumn(values, table, field, condition);
        return values;
    }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    settings::IniFile ini{dir / settings::kSettingsFileName, codec};
    settings::SettingsFile settings{ini};
    store::DbConnection control;
    store::RecordStore db;
    TreeModel model;
};

class TreeLibraryTest : public ::testing::Test, public TreeWorld {};

}  // namespace quorvane::tree::testing
