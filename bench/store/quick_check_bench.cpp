// What refusing a damaged library costs at start-up: the engine's quick_check
// over the large library, on a connection opened just before, as start-up does.
#include <benchmark/benchmark.h>

#include "common/large_library.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace {

using namespace quorvane;

void BM_QuickCheckLargeLibrary(benchmark::State& state) {
    static bench::LargeLibraryFile library;
    if (!library.ready) {
        state.SkipWithError("could not build the library");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        store::DbConnection control;
        store::RecordStore db;
        const bool opened = db.Open(control, library.path, store::kLibraryPassword);
        state.ResumeTiming();
        if (!opened || !db.quickCheck()) {
            state.SkipWithError("the library did not pass its check");
            break;
        }
    }
    state.counters["library_MiB"] = library.fileBytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_QuickCheckLargeLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
