// The keyboard hook's work for the letter that completes a typed word in the
// target editor: the focus test, the lookup of the hint words that begin
// with the word, the popup placed at the caret and the first page drawn
// through the view (fakes for the desktop and the drawing, the real library).
// Goal: p99 at most 1 ms with 100,000 hint words, for words of 1 to 4 letters;
// a 1-letter word matches a tenth of them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/large_library.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_hint_popup_view.h"
#include "fakes/fake_keyboard_hook.h"
#include "fakes/fake_mouse_hook.h"
#include "fakes/fake_messages.h"
#include "fakes/fake_panel_view.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "hints/hint_table.h"
#include "hints/typing_hints.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"
#include "store/sql_text.h"

namespace {

using namespace quorvane;

constexpr int kCaretTrackingItem = 1;

// A library of `count` hint words, built once per size and opened as the
// program opens it.
struct HintLibrary {
    fakes::TempDir dir;
    store::DbConnection control;
    store::RecordStore db;
    bool ready = false;

    explicit HintLibrary(int count) {
        const auto path = dir / store::kLibraryFileName;
        ready = store::createLibrary(path, store::kLibraryPassword) &&
                db.Open(control, path, store::kLibraryPassword) && bench::fillHintWords(control, db, count);
    }

    // The first word of the library in capitals: what a user typing it sends the hook.
    std::string firstWord() {
        std::vector<std::string> words;
        db.ReadColumn(words, hints::kHintTable, hints::kHintWordColumn, "ID = 1");
        std::string word = words.empty() ? std::string() : words.front();
        for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return word;
    }
    int matches(const std::string& word) {
        std::vector<std::string> words;
        return db.ReadColumn(words, hints::kHintTable, hints::kHintWordColumn,
                             store::sqlLikePrefix(hints::kHintWordColumn, word));
    }
};

HintLibrary& library(int count) {
    static std::map<int, std::unique_ptr<HintLibrary>> libraries;
    auto& built = libraries[count];
    if (!built) built = std::make_unique<HintLibrary>(count);
    return *built;
}

// The typing hints with fakes around them; the user has clicked into the
// editor, which has the focus and a caret.
struct HintsWorld {
    fakes::FakeClock clock;
    fakes::FakeDesktop desktop{&clock};
    fakes::FakeClipboard clipboard{&clock};
    fakes::FakeTextCodec codec;
    fakes::FakeMessages messages;
    fakes::FakePanelView panel;
    fakes::FakeKeyboardHook keyboardHook;
    fakes::FakeMouseHook mouseHook;
    fakes::FakeHintPopupView popup;
    editor_link::EditorLink editorLink{desktop, clipboard, clock, codec, messages, clock.makeTimer()};
    settings::Options options{.hintsEnabled = true};
    DpiScale scale;
    hints::TypingHints hints;

    explicit HintsWorld(store::RecordStore& db)
        : hints({desktop, keyboardHook, mouseHook, popup, clock, codec, panel}, db, editorLink, options,
                kCaretTrackingItem, scale) {
        const WindowHandle editor = desktop.addWindow("Afx:400000:8");
        desktop.focused = editor;
        desktop.hasCaret = true;
        desktop.caret = {500, 300};
        desktop.clientOrigins[editor] = {400, 200};
        panel.checks[kCaretTrackingItem] = true;
        editorLink.leftButtonPressed(desktop.spotOf(editor), clock.tickCount());
        hints.loadPopup();
    }
    void press(int key) {
        hints.onKey({key, KeyKind::Down});
        hints.onKey({key, KeyKind::Up});
    }
};

double percentile(std::vector<double>& samples, double fraction) {
    if (samples.empty()) return 0;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at), samples.end());
    return samples[at];
}

// Arguments: the number of hint words, the letters typed.
void BM_HookLetter(benchmark::State& state) {
    HintLibrary& words = library(static_cast<int>(state.range(0)));
    const std::string typed = words.firstWord().substr(0, static_cast<std::size_t>(state.range(1)));
    if (!words.ready || typed.size() != static_cast<std::size_t>(state.range(1))) {
        state.SkipWithError("could not build the library");
        return;
    }
    HintsWorld world(words.db);
    std::vector<double> microseconds;
    for (auto _ : state) {
        for (std::size_t i = 0; i + 1 < typed.size(); ++i) world.press(typed[i]);
        const auto start = std::chrono::steady_clock::now();
        world.hints.onKey({typed.back(), KeyKind::Down});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        microseconds.push_back(took.count() * 1e6);
        if (!world.hints.hintPopupShown()) {
            state.SkipWithError("the word typed found no hints");
            break;
        }
        world.hints.onKey({typed.back(), KeyKind::Up});
        world.press(vk::Escape);
    }
    state.counters["matches"] = words.matches(typed);
    state.counters["p50_us"] = percentile(microseconds, 0.50);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
}
BENCHMARK(BM_HookLetter)
    ->ArgsProduct({{10'000, 100'000}, {1, 2, 3, 4}})
    ->ArgNames({"words", "letters"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);

}  // namespace
