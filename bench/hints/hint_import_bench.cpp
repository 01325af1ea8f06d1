// Importing a file of 100,000 hint words with descriptions into a library,
// the whole way from the file's bytes: decoding, the rules of each line, the
// duplicate check against the library and the one transaction.
// Goal: under 2 s, into an empty library and into one holding 20,000 words.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "common/large_library.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "hints/hint_import.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace {

using namespace quorvane;

constexpr int kFileWords = 100'000;

// Words of 6 to 20 letters, each with a short description, as a UTF-8 file.
const std::string& wordFile() {
    static const std::string bytes = [] {
        constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::mt19937 random(2024);
        std::string text;
        for (int i = 0; i < kFileWords; ++i) {
            std::string word = "w" + std::to_string(i) + "_";
            const auto length = 6 + random() % 15;
            for (std::size_t n = 0; n < length; ++n) word += kLetters[random() % kLetters.size()];
            text += word + "\t说明 " + std::to_string(i) + "\n";
        }
        return text;
    }();
    return bytes;
}

// Argument: the hint words the library holds before the import.
void BM_ImportHintWords(benchmark::State& state) {
    fakes::FakeTextCodec codec;
    const std::string& file = wordFile();
    for (auto _ : state) {
        state.PauseTiming();
        fakes::TempDir dir;
        const auto path = dir / store::kLibraryFileName;
        store::DbConnection control;
        store::RecordStore db;
        const bool ready = store::createLibrary(path, store::kLibraryPassword) &&
                           db.Open(control, path, store::kLibraryPassword) &&
                           bench::fillHintWords(control, db, static_cast<int>(state.range(0)));
        if (!ready) {
            state.SkipWithError("could not build the library");
            break;
        }
        state.ResumeTiming();
        const hints::HintImportResult result = hints::importHintWords(file, db, codec);
        if (!result.succeeded || result.added != kFileWords) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
    state.counters["words"] = kFileWords;
}
BENCHMARK(BM_ImportHintWords)->Arg(0)->Arg(20'000)->ArgName("in_library")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
