#pragma once
// A fresh library in a temporary directory, opened through a RecordStore.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fakes/library_rows.h"
#include "fakes/temp_dir.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "store/sql_text.h"

namespace quorvane::store::testing {

inline std::vector<char> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::set<std::string> directoryNames(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(createLibrary(libraryPath(), kLibraryPassword));
        ASSERT_TRUE(db.Open(control, libraryPath(), kLibraryPassword));
    }

    std::filesystem::path libraryPath() const { return dir / kLibraryFileName; }

    std::vector<std::string> column(std::string_view table, std::string_view field,
                                    std::string_view condition = "") {
        std::vector<std::string> list;
        db.ReadColumn(list, table, field, condition);
        return list;
    }

    fakes::TempDir dir;
    DbConnection control;
    RecordStore db;
    fakes::LibraryRows rows{db};
};

}  // namespace quorvane::store::testing
