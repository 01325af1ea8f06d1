#include "common/large_library.h"

#include <algorithm>
#include <random>
#include <string>
#include <system_error>
#include <string_view>
#include <vector>

#include "store/sql_text.h"

namespace quorvane::bench {
namespace {

constexpr int kTopLevel = 50;
constexpr int kChildrenEach = 9;
constexpr int kGrandchildrenEach = 10;  // 50 + 450 + 4,500 = 5,000 categories
static_assert(kTopLevel * (1 + kChildrenEach * (1 + kGrandchildrenEach)) == kLargeLibraryCategories);

struct Category {
    int number;
    int parent;
};

}  // namespace

bool fillLargeLibrary(store::DbConnection& control, store::RecordStore& db) {
    std::vector<Category> categories;
    int next = 1;
    for (int t = 0; t < kTopLevel; ++t) {
        const int top = next++;
        categories.push_back({top, 0});
        for (int c = 0; c < kChildrenEach; ++c) {
            const int child = next++;
            categories.push_back({child, top});
            for (int g = 0; g < kGrandchildrenEach; ++g) categories.push_back({next++, child});
        }
    }
    // Rows in no particular order, so children often come before their parents.
    std::mt19937 random(5000);
    std::shuffle(categories.begin(), categories.end(), random);

    bool written = control.execute("begin");
    for (const Category& c : categories)
        written = written && db.Insert("分类表", "分类名,序号,父类,说明",
                                       store::sqlQuote("分类" + std::to_string(c.number)) + "," +
                                           store::sqlQuote(std::to_string(c.number)) + "," +
                                           store::sqlQuote(std::to_string(c.parent)) + ",'说明'");
    for (int i = 0; i < kLargeLibraryCommands; ++i) {
        const int category = 1 + static_cast<int>(random() % static_cast<unsigned>(kLargeLibraryCategories));
        written =
            written &&
            db.Insert("命令库", "命令名,中文名,分类,说明",
                      store::sqlQuote("Command" + std::to_string(i)) + "," +
                          store::sqlQuote(i % 2 == 0 ? "命令" + std::to_string(i) : std::string()) + "," +
                          store::sqlQuote(std::to_string(category)) + ",'does something^!s useful'");
    }
    return control.execute(written ? "commit" : "rollback") && written;
}

LargeLibraryFile::LargeLibraryFile() {
    ready = store::createLibrary(path, store::kLibraryPassword) && db.Open(control, path, store::kLibraryPassword) &&
            fillLargeLibrary(control, db);
    std::error_code ec;
    fileBytes = static_cast<double>(std::filesystem::file_size(path, ec));
}

bool fillHintWords(store::DbConnection& control, store::RecordStore& db, int count) {
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::size_t kInitials = sizeof kHintInitials - 1;
    std::mt19937 random(100'000);
    bool written = control.execute("begin");
    for (int i = 0; i < count && written; ++i) {
        std::string word(1, kHintInitials[static_cast<std::size_t>(i) % kInitials]);
        const auto length = 5 + random() % 11;
        for (std::size_t n = 0; n < length; ++n) word += kLetters[random() % kLetters.size()];
        written = db.Insert("命令表", "命令,说明", store::sqlQuote(word) + ",''");
    }
    return control.execute(written ? "commit" : "rollback") && written;
}

}  // namespace quorvane::bench
