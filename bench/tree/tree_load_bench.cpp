// Loading the command tree at start-up from a large library: 5,000
// categories over three levels and 100,000 commands. Goal: under 300 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>
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

namespace {

using namespace quorvane;

constexpr int kTopLevel = 50;
constexpr int kChildrenEach = 9;
constexpr int kGrandchildrenEach = 10;  // 50 + 450 + 4,500 = 5,000 categories
constexpr int kCommands = 100'000;

struct Category {
    int number;
    int parent;
};

// Built once for all runs; the library is opened like the program opens it.
struct LargeLibrary {
    fakes::TempDir dir;
    store::DbConnection control;
    store::RecordStore db;
    fakes::FakeTextCodec codec;
    settings::IniFile ini{dir / settings::kSettingsFileName, codec};
    settings::SettingsFile settings{ini};
    bool ready = false;
    double fileBytes = 0;

    LargeLibrary() {
        const auto path = dir / store::kLibraryFileName;
        if (!store::createLibrary(path, store::kLibraryPassword) ||
            !db.Open(control, path, store::kLibraryPassword))
            return;
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

        control.execute("begin");
        for (const Category& c : categories)
            db.Insert("分类表", "分类名,序号,父类,说明",
                      store::sqlQuote("分类" + std::to_string(c.number)) + "," +
                          store::sqlQuote(std::to_string(c.number)) + "," +
                          store::sqlQuote(std::to_string(c.parent)) + ",'说明'");
        for (int i = 0; i < kCommands; ++i) {
            const int category = 1 + static_cast<int>(random() % static_cast<unsigned>(next - 1));
            db.Insert("命令库", "命令名,中文名,分类,说明",
                      store::sqlQuote("Command" + std::to_string(i)) + "," +
                          store::sqlQuote(i % 2 == 0 ? "命令" + std::to_string(i) : std::string()) + "," +
                          store::sqlQuote(std::to_string(category)) + ",'does something^!s useful'");
        }
        ready = control.execute("commit");
        settings.writeOption(settings::kExpandedCategoryKey, std::to_string(next - 1));
        std::error_code ec;
        fileBytes = static_cast<double>(std::filesystem::file_size(path, ec));
    }
};

LargeLibrary& largeLibrary() {
    static LargeLibrary library;
    return library;
}

void BM_LoadCommandTree(benchmark::State& state) {
    LargeLibrary& library = largeLibrary();
    if (!library.ready) {
        state.SkipWithError("could not build the library");
        return;
    }
    int items = 0;
    for (auto _ : state) {
        auto model = std::make_unique<tree::TreeModel>();
        tree::loadCommandTree(*model, library.db, library.settings);
        items = model->count();
        state.PauseTiming();
        model.reset();  // freeing the tree is not part of loading it
        state.ResumeTiming();
    }
    state.counters["items"] = items;
    state.counters["library_MiB"] = library.fileBytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadCommandTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
