// Typing hints on the whole panel: the keys the hook sees in the target
// editor, the hint list they bring up beside the caret, its pages, and the
// rest of a hint typed into the editor.
#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "panel_world.h"
#include "settings/ini_file.h"
#include "store/library_file.h"

namespace quorvane::testing {
namespace {

using shell::MenuCommand;

constexpr int kBackspace = 0x08;
constexpr int kTab = 0x09;
constexpr int kNumpad1 = 0x61;
constexpr int kMinus = 0xBD;  // "-", and "_" with Shift

constexpr Colour kBlue{0, 0, 255};
constexpr Colour kOlive{128, 128, 0};

// The panel with the IDE's classic editor focused and showing its caret.
class HintsWorld : public PanelWorld {
public:
    HintsWorld() {
        desktop.focused = classicEditor;
        desktop.foreground = ideFrame;
        desktop.clientOrigins[classicEditor] = {400, 200};
        desktop.hasCaret = true;
        desktop.caret = {500, 300};
    }

    void seed(std::initializer_list<const char*> words) {
        for (const char* word : words) rows.hint(word);
    }
    // Entries of section "xitong", start-up, and the user's click into the editor.
    void startTyping(const std::vector<std::pair<const char*, const char*>>& options = {{"mlts", "真"}}) {
        settings::IniFile ini(settingsPath(), codec);
        for (const auto& [key, value] : options) EXPECT_TRUE(ini.write("xitong", key, value));
        ASSERT_TRUE(start());
        clickInto(classicEditor);
    }

    // A key pressed and released as the hook sees it; the press's verdict.
    KeyVerdict press(int key) {
        const KeyVerdict verdict = panel->onKey({key, KeyKind::Down});
        panel->onKey({key, KeyKind::Up});
        return verdict;
    }
    void type(std::string_view letters) {
        for (const char c : letters) press(std::toupper(static_cast<unsigned char>(c)));
    }

    const hints::TypingHints& hints() { return panel->typingHints(); }
    bool shown() { return hints().hintPopupShown() && hintPopup.alpha == 255; }
    bool hidden() { return !hints().hintPopupShown() && hintPopup.alpha == 0; }
    std::vector<std::string> listed() { return hintPopup.rows(); }
    // What the panel put into the editor, once the send timer has done its work.
    std::string typedIntoEditor() {
        settle();
        EXPECT_TRUE(clipboard.pastes.empty()) << "hints are typed, not pasted";
        return desktop.postedText();
    }
};

void seedThreeHints(HintsWorld& w) {
    w.seed({"GetWindowText", "GetDC", "GetWindowRect"});
}

// What a key leaves behind: its verdict, the typed word, whether the list
// is shown, and what the panel put into the editor (the key itself is the
// editor's business).
struct KeyOutcome {
    KeyVerdict verdict;
    const char* typedWord;
    bool listShown;
    const char* intoEditor;
};
constexpr KeyOutcome kNothing{KeyVerdict::Pass, "", false, ""};
constexpr KeyOutcome kListStays{KeyVerdict::Pass, "GE", true, ""};

// "GE" lists GetDC, GetWindowRect and GetWindowText, in that order.
TEST(TypingHints, TheKeyTable) {
    const KeyVerdict swallow = KeyVerdict::Swallow;
    const KeyKind up = KeyKind::Up;
    const KeyKind withAlt = KeyKind::SystemDown;
    const struct {
        const char* name;
        const char* typedBefore;  // "" leaves the list hidden
        KeyEvent key;
        std::vector<int> held;
        KeyOutcome after;
    } cases[] = {
        {"a letter starts a word", "", {'G'}, {}, {KeyVerdict::Pass, "G", true, ""}},
        {"with Shift a letter is the same key", "", {'G'}, {vk::Shift}, {KeyVerdict::Pass, "G", true, ""}},
        {"a letter with Ctrl is a shortcut", "", {'G'}, {vk::Control}, kNothing},
        {"a letter's release", "", {'G', up}, {}, kNothing},
        {"a letter with Alt", "", {'G', withAlt}, {}, kNothing},
        {"a letter that begins no hint", "", {'X'}, {}, kNothing},
        {"Enter goes again behind a semicolon", "", {vk::Enter}, {}, {swallow, "", false, ""}},
        {"Enter leaves the list shown", "GE", {vk::Enter}, {}, {swallow, "GE", true, ""}},
        {"Shift+Enter", "", {vk::Enter}, {vk::Shift}, kNothing},
        {"Enter with Alt", "", {vk::Enter, withAlt}, {}, kNothing},
        {"a digit with the list hidden", "", {'1'}, {}, kNothing},
        {"a digit accepts the row of its label", "GE", {'1'}, {}, {swallow, "", false, "tWindowRect"}},
        {"Space accepts the first row", "GE", {vk::Space}, {}, {swallow, "", false, "tDC"}},
        {"a digit past the page's last row", "GE", {'5'}, {}, {swallow, "GE", true, ""}},
        {"Esc closes the list", "GE", {vk::Escape}, {}, {swallow, "", false, ""}},
        {"Esc with the list hidden", "", {vk::Escape}, {}, kNothing},
        {"Space with the list hidden", "", {vk::Space}, {}, kNothing},
        {"a keypad digit is not a digit here", "GE", {kNumpad1}, {}, kListStays},
        {"Shift+1 types a symbol", "GE", {'1'}, {vk::Shift}, kListStays},
        {"Ctrl+Space switches the input method", "GE", {vk::Space}, {vk::Control}, kListStays},
        {"a digit's release", "GE", {'1', up}, {}, kListStays},
        {"Backspace", "GE", {kBackspace}, {}, kListStays},
        {"the underscore", "GE", {kMinus}, {vk::Shift}, kListStays},
        {"Tab", "GE", {kTab}, {}, kListStays},
        {"Page Down also reaches the editor", "GE", {vk::PageDown}, {}, kListStays},
        {"Page Up on the first page", "GE", {vk::PageUp}, {}, kListStays},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HintsWorld w;
        seedThreeHints(w);
        w.startTyping();
        w.type(c.typedBefore);
        for (const int key : c.held) w.desktop.keysDown[key] = true;
        EXPECT_EQ(w.panel->onKey(c.key), c.after.verdict);
        EXPECT_EQ(w.hints().typedWord(), c.after.typedWord);
        EXPECT_EQ(w.shown(), c.after.listShown);
        EXPECT_TRUE(c.after.listShown || w.hidden());
        EXPECT_EQ(w.typedIntoEditor(), c.after.intoEditor);
        EXPECT_TRUE(w.messages.shown.empty());
    }
}

// The ";" goes in as typed input, behind every key the editor has not read
// yet (a posted character would overtake them), and the Enter after it; that
// Enter, the program's own, then passes.
TEST(TypingHints, EnterTypesASemicolonThenItselfBehindWhatWasTyped) {
    HintsWorld w;
    w.startTyping({{"zdtjfh", "真"}});
    EXPECT_EQ(w.panel->onKey({vk::Enter}), KeyVerdict::Swallow);
    EXPECT_EQ(w.desktop.sentInput, (std::vector<std::string>{"char ;", "key 13 down", "key 13 up"}));
    EXPECT_TRUE(w.desktop.posted.empty());

    w.desktop.sentInput.clear();
    EXPECT_EQ(w.panel->onKey({vk::Enter, KeyKind::Down, /*ours=*/true}), KeyVerdict::Pass);
    EXPECT_EQ(w.panel->onKey({vk::Enter, KeyKind::Up, /*ours=*/true}), KeyVerdict::Pass);
    EXPECT_TRUE(w.desktop.sentInput.empty()) << "no second semicolon";
}

// Every key goes on untouched when it does not go to the target editor, or
// the option it needs is off.
TEST(TypingHints, KeysOutsideTheTargetOrWithTheOptionsOffDoNothing) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> options;
        bool clickIntoEditor = true;
        WindowHandle HintsWorld::*focus = &HintsWorld::classicEditor;
    };
    const Case cases[] = {
        {"another window of the IDE has the focus", {{"mlts", "真"}}, true, &HintsWorld::hostedEditor},
        {"the focus is nowhere and no editor was ever clicked", {{"mlts", "真"}}, false, nullptr},
        {"hints and the semicolon are off", {{"zdtjfh", "假"}}},
        {"hints are on only for 真", {{"mlts", "1"}, {"zdtjfh", "假"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HintsWorld w;
        seedThreeHints(w);
        w.desktop.focused = c.focus != nullptr ? w.*c.focus : 0;
        settings::IniFile ini(w.settingsPath(), w.codec);
        for (const auto& [key, value] : c.options) ASSERT_TRUE(ini.write("xitong", key, value));
        ASSERT_TRUE(w.start());
        if (c.clickIntoEditor) w.clickInto(w.classicEditor);

        for (const int key : {int{'G'}, int{'E'}, vk::Enter, int{'1'}, vk::Space, vk::Escape}) {
            EXPECT_EQ(w.press(key), KeyVerdict::Pass) << key;
        }
        EXPECT_EQ(w.hints().typedWord(), "");
        EXPECT_EQ(w.hintPopup.pagesDrawn, 0);
        EXPECT_TRUE(w.hidden());
        EXPECT_EQ(w.typedIntoEditor(), "");
    }
}

TEST(TypingHints, TheTypedWordHoldsTheLetterKeysAndOnlyThem) {
    HintsWorld w;
    w.seed({"GetWindowText", "gt"});
    w.startTyping();

    w.type("g");
    EXPECT_EQ(w.hints().typedWord(), "G");
    w.type("e");
    EXPECT_EQ(w.hints().typedWord(), "GE");
    w.press(kBackspace);
    w.type("t");
    EXPECT_EQ(w.hints().typedWord(), "GET") << "though the editor shows gt";
    EXPECT_EQ(w.hintPopup.pagesDrawn, 3) << "one lookup per letter";
    EXPECT_EQ(w.listed(), std::vector<std::string>{"0.GetWindowText"});

    // A letter that leaves no hint ends the word: the next starts a new one.
    w.type("x");
    EXPECT_EQ(w.hints().typedWord(), "");
    EXPECT_TRUE(w.hidden());
    w.type("g");
    EXPECT_EQ(w.hints().typedWord(), "G");
    EXPECT_EQ(w.listed(), (std::vector<std::string>{"0.GetWindowText", "1.gt"}));
}

// The list holds the words as the database gives them through its index: by
// the word compared without case, and in the order they were added where
// only the case differs.
TEST(TypingHints, TheListIsInDatabaseOrderAndMatchesWithoutCase) {
    HintsWorld w;
    w.seed({"GETX", "getdc", "abc", "GetWindowText", "GETDC", "g%", "g_x"});
    w.startTyping();
    w.type("ge");
    EXPECT_EQ(w.listed(), (std::vector<std::string>{"0.getdc", "1.GETDC", "2.GetWindowText", "3.GETX"}));
}

// A digit pressed right after a letter picks from the list that letter made.
TEST(TypingHints, ADigitAcceptsFromTheListOfTheLetterJustTyped) {
    HintsWorld w;
    w.seed({"GetDC", "GoTo"});
    w.startTyping();
    w.type("g");
    ASSERT_EQ(w.listed(), (std::vector<std::string>{"0.GetDC", "1.GoTo"}));
    w.type("e");
    EXPECT_EQ(w.press('1'), KeyVerdict::Swallow);
    EXPECT_TRUE(w.shown()) << "GE's list has one row";
    EXPECT_EQ(w.press('0'), KeyVerdict::Swallow);
    EXPECT_EQ(w.typedIntoEditor(), "tDC");
}

TEST(TypingHints, APageDrawsLabelledRowsWithTheFirstInItsOwnColour) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.type("ge");
    const std::vector<HintPopupText> expected = {
        {{0, 0}, kBlue, "0.GetDC"},
        {{0, 16}, kOlive, "1.GetWindowRect"},
        {{0, 32}, kOlive, "2.GetWindowText"},
    };
    EXPECT_EQ(w.hintPopup.page, expected);
}

// Words W01 to W<n>; "W" lists them all.
struct PageCase {
    const char* name;
    int results;
    std::vector<int> keys;
    // After the list appears and after each key: the first and last result
    // shown, counted from 1; {0, 0} for an empty page.
    std::vector<std::pair<int, int>> pages;
};

std::vector<std::string> resultRows(std::pair<int, int> shown) {
    std::vector<std::string> texts;
    for (int n = shown.first; n != 0 && n <= shown.second; ++n) {
        texts.push_back(std::to_string(n - shown.first) + ".W" + (n < 10 ? "0" : "") + std::to_string(n));
    }
    return texts;
}

TEST(TypingHints, PagesTurnAndNeverStartBeforeTheFirstResult) {
    const int down = vk::PageDown;
    const int up = vk::PageUp;
    const PageCase cases[] = {
        {"25 results",
         25,
         {down, down, up, up, up},
         {{1, 10}, {11, 20}, {21, 25}, {11, 20}, {1, 10}, {1, 10}}},
        {"25 results, past the end and back, ten apart",
         25,
         {down, down, down, up, up, up},
         {{1, 10}, {11, 20}, {21, 25}, {0, 0}, {16, 25}, {6, 15}, {1, 10}}},
        {"exactly 10 results", 10, {down, up}, {{1, 10}, {0, 0}, {1, 10}}},
        {"3 results: back from past the end stops at the first",
         3,
         {down, down, up, up, up},
         {{1, 3}, {0, 0}, {0, 0}, {1, 3}, {1, 3}, {1, 3}}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        HintsWorld w;
        for (int n = 1; n <= c.results; ++n)
            w.rows.hint(std::string("W") + (n < 10 ? "0" : "") + std::to_string(n));
        w.startTyping();
        w.type("w");
        EXPECT_EQ(w.listed(), resultRows(c.pages[0]));
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            SCOPED_TRACE("after key " + std::to_string(i + 1));
            EXPECT_EQ(w.press(c.keys[i]), KeyVerdict::Pass);
            EXPECT_EQ(w.listed(), resultRows(c.pages[i + 1]));
            EXPECT_GE(w.hints().popup().pageStart(), 0);
            EXPECT_TRUE(w.shown());
        }
    }
}

TEST(TypingHints, OnTheSecondPageDigitZeroAcceptsTheEleventhResult) {
    HintsWorld w;
    for (int n = 1; n <= 12; ++n) w.rows.hint("Word" + std::string(n < 10 ? "0" : "") + std::to_string(n));
    w.startTyping();
    w.type("wo");
    w.press(vk::PageDown);
    EXPECT_EQ(w.press('0'), KeyVerdict::Swallow);
    EXPECT_EQ(w.typedIntoEditor(), "rd11");
    EXPECT_TRUE(w.hidden());
}

// The rest of the word is counted in the bytes the editor receives.
TEST(TypingHints, AcceptingTypesTheRestOfTheWordByBytes) {
    const struct {
        const char* word;
        const char* typed;
        const char* rest;
        int rightEdge;
    } cases[] = {
        {"GetWindowText", "getw", "indowText", 12 * 13},
        {"GetW获取", "getw", "获取", 12 * 8},  // two GBK characters, four bytes
        {"GETW", "getw", "", 12 * 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        HintsWorld w;
        w.rows.hint(c.word);
        w.startTyping();
        w.type(c.typed);
        EXPECT_EQ(w.hints().typedWord(), "GETW");
        EXPECT_EQ(w.hints().popup().rowRects()[0].right, c.rightEdge);
        EXPECT_EQ(w.press(vk::Space), KeyVerdict::Swallow);
        EXPECT_EQ(w.typedIntoEditor(), w.codec.fromUtf8(c.rest, CodePage::Ansi));
        EXPECT_EQ(w.hints().typedWord(), "");
        EXPECT_TRUE(w.hidden());
    }
}

// Row 1 spans y 17 to 33 and row 2 y 33 to 49: the shared edge is row 1's.
TEST(TypingHints, AClickOnARowAcceptsItAndAClickBesideTheRowsDragsThePopup) {
    const struct {
        const char* name;
        Point at;
        const char* intoEditor;  // nullptr: a drag
    } cases[] = {
        {"the edge rows 1 and 2 share", {20, 33}, "tWindowRect"},
        {"just below it", {20, 34}, "tWindowText"},
        {"the first row's top-left corner", {1, 1}, "tDC"},
        {"the last pixel of a short word's rectangle", {12 * 5, 5}, "tDC"},
        {"right of a short word's rectangle", {12 * 5 + 1, 5}, nullptr},
        {"below the last row", {20, 50}, nullptr},
        {"left of the rows", {0, 20}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HintsWorld w;
        seedThreeHints(w);
        w.startTyping();
        w.type("ge");
        w.panel->hintPopupEvents().leftButtonPressed(c.at);
        if (c.intoEditor != nullptr) {
            EXPECT_EQ(w.typedIntoEditor(), c.intoEditor);
            EXPECT_TRUE(w.hidden());
            EXPECT_EQ(w.hintPopup.drags, 0);
        } else {
            EXPECT_EQ(w.hintPopup.drags, 1);
            EXPECT_TRUE(w.shown());
            EXPECT_EQ(w.typedIntoEditor(), "");
        }
    }
}

TEST(TypingHints, ThePointerIsAHandOverADrawnRowAndSetOnlyWhenItChanges) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.type("ge");
    HintPopupEvents& popup = w.panel->hintPopupEvents();
    popup.pointerMoved({20, 5});
    popup.pointerMoved({20, 40});
    popup.pointerMoved({20, 60});  // below the third row
    popup.pointerMoved({20, 70});
    popup.pointerMoved({20, 20});
    EXPECT_EQ(w.hintPopup.pointers,
              (std::vector<PopupPointer>{PopupPointer::Hand, PopupPointer::Arrow, PopupPointer::Hand}));
}

// After a double click the rows are full width until the next page is drawn.
TEST(TypingHints, ADoubleClickLaysTheRowsOutAtFullWidth) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.type("ge");
    w.panel->hintPopupEvents().leftButtonPressed({100, 5});
    ASSERT_EQ(w.hintPopup.drags, 1) << "right of GetDC's rectangle";
    w.panel->hintPopupEvents().doubleClicked();
    ASSERT_EQ(w.hintPopup.outlines.size(), 10u);
    EXPECT_EQ(w.hintPopup.outlines[2], (Rect{1, 33, 149, 16}));
    w.panel->hintPopupEvents().leftButtonPressed({149, 5});
    EXPECT_EQ(w.typedIntoEditor(), "tDC");
}

TEST(TypingHints, StartUpLoadsThePopupHiddenAndInstallsTheHookAndShutDownUndoesBoth) {
    HintsWorld w;
    w.startTyping({{"mlts", "真"}});
    ASSERT_TRUE(w.hintPopup.look.has_value());
    EXPECT_EQ(w.hintPopup.look->width, 160);
    EXPECT_EQ(w.hintPopup.look->height, 176);
    EXPECT_EQ(w.hintPopup.look->fontHeight, 16);
    EXPECT_EQ(w.hintPopup.look->background, (Colour{236, 236, 236}));
    EXPECT_EQ(w.hintPopup.alpha, 0);
    EXPECT_EQ(w.hintPopup.position, (Point{1280 / 2 - 80, 800 - 176 - 30})) << "bottom centre of the screen";
    EXPECT_EQ(w.hintPopup.outlines.size(), 10u);
    EXPECT_TRUE(w.keyboardHook.installed);
    EXPECT_TRUE(w.panelView.checks[shell::commandId(MenuCommand::ToggleCommandHints)]);
    EXPECT_TRUE(w.panelView.checks[shell::commandId(MenuCommand::ToggleCursorTracking)]) << "on by default";

    w.panel->shutDown();
    EXPECT_FALSE(w.keyboardHook.installed);
    EXPECT_FALSE(w.hintPopup.loaded);
    EXPECT_EQ(w.panel->onKey({'G', KeyKind::Down}), KeyVerdict::Pass);
}

TEST(TypingHints, AFailedStartUpNeitherLoadsThePopupNorInstallsTheHook) {
    HintsWorld w;
    std::filesystem::remove(w.libraryPath());
    ASSERT_TRUE(store::createLibrary(w.libraryPath(), "another password"));
    EXPECT_FALSE(w.start());
    EXPECT_FALSE(w.hintPopup.loaded);
    EXPECT_EQ(w.keyboardHook.installs, 0);
}

// The popup appears below and right of the caret, and stays wholly on the
// caret's monitor: near its right or bottom edge it goes to the caret's left
// or above it. A caret at the client area's left or top edge moves nothing.
// On a monitor of 144 DPI the popup and its rows are half again as large.
TEST(TypingHints, ThePopupIsMadeAtThePanelsScale) {
    for (const auto& [dpi, width, height, font, rowPitch] :
         {std::tuple{96, 160, 176, 16, 16}, std::tuple{144, 240, 264, 24, 24}}) {
        SCOPED_TRACE(dpi);
        HintsWorld w;
        w.panelView.dotsPerInch = dpi;
        w.startTyping();
        ASSERT_TRUE(w.hintPopup.look.has_value());
        EXPECT_EQ(w.hintPopup.look->width, width);
        EXPECT_EQ(w.hintPopup.look->height, height);
        EXPECT_EQ(w.hintPopup.look->fontHeight, font);
        EXPECT_EQ(w.hints().popup().rowRects()[1].top, w.hints().popup().rowRects()[0].top + rowPitch);
    }
}

TEST(TypingHints, ThePopupIsPlacedBesideTheCaretInsideItsMonitor) {
    const std::vector<Monitor> monitors = {{{0, 0, 1280, 800}, {0, 0, 1280, 770}},
                                           {{1280, 0, 1024, 768}, {1280, 0, 1024, 738}}};
    const struct {
        const char* name;
        std::optional<Point> caret;  // nullopt: none
        bool tracking = true;
        Point expected;
    } cases[] = {
        {"below and right", Point{500, 300}, true, {510, 320}},
        {"near the right edge: to its left", Point{1200, 300}, true, {1200 - 10 - 160, 320}},
        {"near the bottom edge: above it", Point{500, 700}, true, {510, 700 - 4 - 176}},
        {"in the bottom-right corner", Point{1270, 760}, true, {1270 - 10 - 160, 760 - 4 - 176}},
        {"near the right edge of the second monitor", Point{2250, 100}, true, {2250 - 170, 120}},
        {"on the first monitor, where the second begins", Point{1200, 100}, true, {1030, 120}},
        {"at the client area's left edge", Point{400, 300}, true, {560, 594}},
        {"at the client area's top edge", Point{500, 200}, true, {560, 594}},
        {"no caret", std::nullopt, true, {560, 594}},
        {"caret tracking off", Point{500, 300}, false, {560, 594}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HintsWorld w;
        w.desktop.displays = monitors;
        w.desktop.hasCaret = c.caret.has_value();
        w.desktop.caret = c.caret.value_or(Point{});
        seedThreeHints(w);
        w.startTyping({{"mlts", "真"}, {"gbgz", c.tracking ? "真" : "假"}});
        w.type("g");
        EXPECT_TRUE(w.shown());
        EXPECT_EQ(w.hintPopup.position, c.expected);
    }
}

// The menu's two switches act at the next key: "命令提示" stops the lookups,
// and "光标跟踪" is read at each one.
TEST(TypingHints, TheMenuSwitchesTakeEffectAtTheNextKey) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.menu(MenuCommand::ToggleCursorTracking);
    w.type("g");
    ASSERT_TRUE(w.shown());
    EXPECT_EQ(w.hintPopup.position, (Point{560, 594})) << "left where it was made";
    w.press(vk::Escape);

    w.menu(MenuCommand::ToggleCursorTracking);
    w.type("g");
    EXPECT_EQ(w.hintPopup.position, (Point{510, 320})) << "beside the caret again";
    w.press(vk::Escape);

    w.menu(MenuCommand::ToggleCommandHints);
    w.type("ge");
    EXPECT_TRUE(w.hidden());
    EXPECT_EQ(w.hints().typedWord(), "");
}

// An input method open in its native mode owns letters, Space and digits:
// nothing is collected, nothing swallowed, and a list still shown goes.
TEST(TypingHints, AComposingInputMethodKeepsItsKeys) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.type("ge");
    ASSERT_TRUE(w.shown());

    w.desktop.composing.insert(w.classicEditor);
    EXPECT_EQ(w.press('1'), KeyVerdict::Pass);
    EXPECT_TRUE(w.hidden());
    for (const int key : {int{'G'}, int{'E'}, vk::Space, int{'1'}, vk::Escape}) {
        EXPECT_EQ(w.press(key), KeyVerdict::Pass) << key;
    }
    EXPECT_EQ(w.hints().typedWord(), "");
    EXPECT_TRUE(w.hidden());
    EXPECT_EQ(w.typedIntoEditor(), "");

    // Back in alphanumeric mode the hints work again.
    w.desktop.composing.clear();
    w.type("g");
    EXPECT_TRUE(w.shown());
    EXPECT_EQ(w.press(vk::Space), KeyVerdict::Swallow);
}

// The input method is asked only about keys that would act on the hints.
TEST(TypingHints, OnlyKeysThatWouldActAskTheInputMethod) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping({{"mlts", "真"}});
    for (const int key : {vk::Enter, int{'1'}, vk::Space, kBackspace}) w.press(key);
    w.desktop.focused = w.hostedEditor;
    w.type("g");
    EXPECT_EQ(w.desktop.inputMethodQueries, 0);
}

// Windows drops a hook that overran its time limit without a word; the
// panel puts it back once the system has had input the hook never saw.
TEST(TypingHints, ADroppedHookIsPutBack) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    ASSERT_EQ(w.keyboardHook.installs, 1);

    // Input the hook saw, however long ago, keeps it.
    w.clock.advance(3000);
    w.press('X');
    w.keyboardHook.lastInput = w.clock.tickCount();
    w.clock.advance(3000);
    EXPECT_EQ(w.keyboardHook.installs, 1);

    // Keys the hook never saw: it is back within a few seconds.
    w.keyboardHook.installed = false;
    w.keyboardHook.lastInput = w.clock.tickCount();
    w.clock.advance(5000);
    EXPECT_TRUE(w.keyboardHook.installed);
    EXPECT_EQ(w.keyboardHook.installs, 2) << "once, not on every tick";
    w.type("g");
    EXPECT_TRUE(w.shown());

    // After shut-down it stays removed.
    w.panel->shutDown();
    w.keyboardHook.lastInput = w.clock.tickCount() + 5000;
    w.clock.advance(10000);
    EXPECT_FALSE(w.keyboardHook.installed);
}

// Input the mouse hook saw is no sign of a lost keyboard hook, and putting
// the hook back while keys pass through it would lose them.
TEST(TypingHints, MouseInputNeverPutsTheKeyboardHookBack) {
    HintsWorld w;
    w.startTyping();
    w.clock.advance(3000);
    w.keyboardHook.lastInput = w.mouseHook.lastEvent = w.clock.tickCount();
    w.clock.advance(5000);
    EXPECT_EQ(w.keyboardHook.installs, 1);
}

TEST(TypingHints, AHookRefusedAtStartUpIsTriedAgainOnInput) {
    HintsWorld w;
    w.keyboardHook.refuses = true;
    seedThreeHints(w);
    w.startTyping();
    EXPECT_FALSE(w.keyboardHook.installed);
    EXPECT_TRUE(w.messages.shown.empty()) << "nothing is reported";
    w.keyboardHook.refuses = false;
    w.keyboardHook.lastInput = w.clock.tickCount() + 1500;
    w.clock.advance(2000);
    EXPECT_TRUE(w.keyboardHook.installed);
}

// Another program writing the library holds its lock: the hook does not
// wait for it. The letter finds nothing and goes on; once the lock is gone
// the hints are back.
TEST(TypingHints, ALibraryLockedByAnotherProgramIsNotWaitedFor) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    store::DbConnection other;
    ASSERT_TRUE(other.open(w.libraryPath(), store::kLibraryPassword));
    ASSERT_TRUE(other.execute("begin exclusive"));

    EXPECT_EQ(w.press('G'), KeyVerdict::Pass);
    EXPECT_EQ(w.hints().typedWord(), "");
    EXPECT_TRUE(w.hidden());

    ASSERT_TRUE(other.execute("commit"));
    w.type("g");
    EXPECT_TRUE(w.shown());
}

TEST(TypingHints, ADamagedOrClosedLibraryShowsNoHintsAndReportsNothing) {
    HintsWorld w;
    seedThreeHints(w);
    w.startTyping();
    w.type("ge");
    ASSERT_TRUE(w.shown());
    w.panel->lifecycle().commandDb().Close();
    EXPECT_EQ(w.press('T'), KeyVerdict::Pass);
    EXPECT_TRUE(w.hidden());
    EXPECT_EQ(w.hints().typedWord(), "");
    EXPECT_TRUE(w.messages.shown.empty());
}

}  // namespace
}  // namespace quorvane::testing
