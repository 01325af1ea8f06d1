// Loading the command tree at start-up from a large library: 5,000
// categories over three levels and 100,000 commands. Goal: under 300 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "common/large_library.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "tree/tree_loader.h"
#include "tree/tree_model.h"

namespace {

using namespace quorvane;

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
        ready = store::createLibrary(path, store::kLibraryPassword) &&
                db.Open(control, path, store::kLibraryPassword) && bench::fillLargeLibrary(control, db);
        if (!ready) return;
        settings.writeOption(settings::kExpandedCategoryKey, std::to_string(bench::kLargeLibraryCategories));
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
