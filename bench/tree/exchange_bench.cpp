// Export and import of the large library (5,000 categories, 100,000 commands).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include "common/large_library.h"
#include "fakes/temp_dir.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "tree/library_exchange.h"

namespace {

using namespace quorvane;

// The large library and its export, made once for all runs.
struct Exported {
    bench::LargeLibraryFile library;
    std::filesystem::path file = library.dir / "library.json";
    bool ready = library.ready && tree::exportLibrary(library.db, file).exported;
};

Exported& exported() {
    static Exported once;
    return once;
}

void BM_ExportLargeLibrary(benchmark::State& state) {
    Exported& world = exported();
    if (!world.ready) {
        state.SkipWithError("could not build the library");
        return;
    }
    for (auto _ : state) {
        if (!tree::exportLibrary(world.library.db, world.file).exported) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    std::error_code ec;
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(world.file, ec)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ExportLargeLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReadLargeLibraryFile(benchmark::State& state) {
    Exported& world = exported();
    for (auto _ : state) {
        if (!world.ready || !tree::readLibraryFile(world.file).document) {
            state.SkipWithError("the file could not be read");
            break;
        }
    }
}
BENCHMARK(BM_ReadLargeLibraryFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Into an empty library, where every row is new: the most an import writes.
void BM_ImportLargeLibraryIntoAnEmptyOne(benchmark::State& state) {
    Exported& world = exported();
    const tree::ReadDocument read = tree::readLibraryFile(world.file);
    if (!world.ready || !read.document) {
        state.SkipWithError("the file could not be read");
        return;
    }
    std::optional<fakes::TempDir> dir;
    store::DbConnection control;
    store::RecordStore db;
    for (auto _ : state) {
        // A new empty library each time, made and the last one removed outside the timing.
        state.PauseTiming();
        db.Close();
        dir.reset();
        dir.emplace();
        const auto path = *dir / store::kLibraryFileName;
        const bool opened = store::createLibrary(path, store::kLibraryPassword) &&
                            db.Open(control, path, store::kLibraryPassword);
        state.ResumeTiming();
        if (!opened || !tree::importLibrary(db, *read.document).imported) {
            state.SkipWithError("the import failed");
            break;
        }
    }
}
BENCHMARK(BM_ImportLargeLibraryIntoAnEmptyOne)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
