// What the automatic backups cost at start-up with the large library: the
// comparison with the newest backup when nothing changed (every start), and
// a new backup with its checks when something did.
#include <benchmark/benchmark.h>

#include "common/large_library.h"
#include "store/library_backup.h"
#include "store/library_file.h"

namespace {

using namespace quorvane;

bench::LargeLibraryFile& largeLibrary() {
    static bench::LargeLibraryFile library;
    return library;
}

void BM_BackUpLargeLibrary(benchmark::State& state) {
    bench::LargeLibraryFile& library = largeLibrary();
    if (!library.ready) {
        state.SkipWithError("could not build the library");
        return;
    }
    store::LibraryBackups backups(library.path, store::kLibraryPassword);
    int second = 0;
    for (auto _ : state) {
        const store::BackupResult made = backups.backUp({2024, 1, 1, 0, second / 60 % 60, second % 60}, false);
        ++second;
        if (made.outcome != store::BackupResult::Outcome::Made) {
            state.SkipWithError(made.problem.c_str());
            break;
        }
    }
    state.counters["library_MiB"] = library.fileBytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_BackUpLargeLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_StartUpWithAnUnchangedLibrary(benchmark::State& state) {
    bench::LargeLibraryFile& library = largeLibrary();
    store::LibraryBackups backups(library.path, store::kLibraryPassword);
    if (!library.ready || backups.backUp({2024, 2, 1, 0, 0, 0}, false).outcome != store::BackupResult::Outcome::Made) {
        state.SkipWithError("could not build the library or its backup");
        return;
    }
    for (auto _ : state) {
        if (backups.backUp({2024, 2, 1, 0, 0, 1}, true).outcome != store::BackupResult::Outcome::Unchanged) {
            state.SkipWithError("the library differed from its backup");
            break;
        }
    }
}
BENCHMARK(BM_StartUpWithAnUnchangedLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
