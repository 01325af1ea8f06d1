#pragma once
// A real library in a temporary directory, a settings file beside it and an
// empty tree model: the world the tree is loaded from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_text_codec.h"
#include "fakes/library_rows.h"
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
    fakes::LibraryRows rows{db};
};

class TreeLibraryTest : public ::testing::Test, public TreeWorld {};

}  // namespace quorvane::tree::testing
