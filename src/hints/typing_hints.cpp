#include "hints/typing_hints.h"

#include <optional>
#include <utility>
#include <vector>

#include "hints/keystroke_watcher.h"
#include "hints/popup_placement.h"
#include "platform/monitors.h"

namespace quorvane::hints {
namespace {

// Input that the system received this long after the hook was last called
// means the hook is gone: Windows drops a hook silently once a call has
// overrun its time limit. Mouse input, which this hook never sees, looks the
// same; putting the hook back costs next to nothing, so it is put back then
// too, at most once in this time.
constexpr std::int32_t kUnseenInputMs = 1000;

}  // namespace

// What the desktop reports about one key. The input method, whose answer
// takes a round trip to the editor's program, is asked at most once.
class TypingHints::Facts final : public KeyFacts {
public:
    explicit Facts(TypingHints& hints) : hints_(hints) {}

    bool inTarget() override {
        target = hints_.editorLink_.tracker().targetEditor();
        return target != 0 && hints_.desktop_.focusedWindowOfForegroundThread() == target;
    }
    bool held(int virtualKey) override { return hints_.desktop_.keyIsDown(virtualKey); }
    bool inputMethodComposes() override {
        if (!composes_) composes_ = hints_.desktop_.inputMethodComposes(target);
        return *composes_;
    }

    WindowHandle target = 0;

private:
    TypingHints& hints_;
    std::optional<bool> composes_;
};

TypingHints::TypingHints(const HintsPlatform& platform, store::RecordStore& commandDb,
                         editor_link::EditorLink& editorLink, const settings::Options& options,
                         int cursorTrackingItem, const DpiScale& scale)
    : desktop_(platform.desktop),
      keyboardHook_(platform.keyboardHook),
      mouseHook_(platform.mouseHook),
      clock_(platform.clock),
      codec_(platform.codec),
      panel_(platform.panel),
      editorLink_(editorLink),
      options_(options),
      cursorTrackingItem_(cursorTrackingItem),
      scale_(scale),
      lookup_(commandDb),
      popup_(platform.popupView, lookup_, platform.codec) {}

void TypingHints::loadPopup() {
    const HintPopupDesign design = scaledDesign(kHintPopupDesign, scale_);
    popup_.load(firstPopupPlace(desktop_.monitors().front().bounds, design), design);
}

void TypingHints::loadPopupIfNeeded() {
    if (!popup_.loaded()) loadPopup();
}

void TypingHints::installKeyboardWatcher() {
    watching_ = true;
    keyboardHook_.install();
    lastHookCall_ = clock_.tickCount();
}

void TypingHints::removeKeyboardWatcher() {
    watching_ = false;
    keyboardHook_.remove();
}

void TypingHints::destroyPopup() {
    popup_.destroy();
}

void TypingHints::watchKeyboardHook() {
    if (!watching_) return;
    // Signed: input seen by a hook may be stamped a moment before the call.
    const std::uint32_t lastInput = keyboardHook_.lastInputTime();
    if (static_cast<std::int32_t>(lastInput - lastHookCall_) <= kUnseenInputMs) return;
    // The mouse's own input says nothing of the keyboard hook; and putting
    // the hook back loses the keys the system is passing through it then.
    if (static_cast<std::int32_t>(lastInput - mouseHook_.lastEventTime()) <= kUnseenInputMs) return;
    keyboardHook_.remove();
    keyboardHook_.install();
    lastHookCall_ = clock_.tickCount();
}

KeyVerdict TypingHints::onKey(const KeyEvent& event) {
    lastHookCall_ = clock_.tickCount();
    Facts facts(*this);
    const WatcherState state{options_.hintsEnabled, options_.autoSemicolon, hintPopupShown_,
                             popup_.pageNumber()};
    const KeyDecision decision = decideKey(event, state, facts);
    switch (decision.action) {
        case KeyAction::None:
            break;
        case KeyAction::TypeSemicolon:
            // Typed, not posted: a posted character overtakes the keys the
            // editor has not read yet, and "f(" typed fast would become "f;(".
            desktop_.typeCharacter(U';');
            desktop_.sendKey(vk::Enter, true);
            desktop_.sendKey(vk::Enter, false);
            break;
        case KeyAction::CollectLetter:
            typedWord_.push_back(static_cast<char>(event.virtualKey));
            lookupHints(facts.target);
            break;
        case KeyAction::AcceptRow:
            acceptHint(decision.row);
            break;
        case KeyAction::HideHints:
            hideHints();
            break;
        case KeyAction::PageUp:
            popup_.pageUp();
            break;
        case KeyAction::PageDown:
            popup_.pageDown();
            break;
    }
    return decision.verdict;
}

void TypingHints::lookupHints(WindowHandle target) {
    std::vector<std::string> firstPage = lookup_.page(typedWord_, 0);
    if (firstPage.empty()) {
        typedWord_.clear();
        if (hintPopupShown_) hideHints();
        return;
    }
    if (panel_.menuChecked(cursorTrackingItem_)) placeAtCaret(target);
    // Drawn before it shows, so the previous list never flashes up.
    popup_.newList(typedWord_, std::move(firstPage));
    popup_.setAlpha(255);
    hintPopupShown_ = true;
}

void TypingHints::placeAtCaret(WindowHandle target) {
    Point caret;
    if (!desktop_.caretScreenPosition(caret)) return;
    // A caret at the very left or top of the client area counts as none.
    const Point origin = desktop_.clientToScreen(target, {0, 0});
    if (caret.x == origin.x || caret.y == origin.y) return;
    popup_.moveTo(popupPlaceBesideCaret(caret, monitorHolding(desktop_.monitors(), caret).workArea, popup_.design()));
}

void TypingHints::hideHints() {
    popup_.setAlpha(0);
    popup_.forget();
    typedWord_.clear();
    hintPopupShown_ = false;
}

void TypingHints::acceptHint(int row) {
    const std::string* word = popup_.wordOnRow(row - 1);
    if (word == nullptr) return;
    // The typed letters are in the editor already; the rest of the word
    // follows them, counted in the bytes the editor receives.
    const std::string bytes = codec_.fromUtf8(*word, CodePage::Ansi);
    const std::string rest =
        bytes.size() > typedWord_.size() ? bytes.substr(typedWord_.size()) : std::string();
    editorLink_.deliverText(codec_.toUtf8(rest, CodePage::Ansi), editor_link::DeliveryMode::Type);
    hideHints();
}

void TypingHints::leftButtonPressed(Point canvas) {
    const int row = popup_.rowAt(canvas);
    if (row >= 0) {
        acceptHint(row + 1);
        return;
    }
    popup_.beginDrag();
}

void TypingHints::pointerMoved(Point canvas) {
    popup_.pointerAt(canvas);
}

void TypingHints::doubleClicked() {
    popup_.layoutHintRows();
}

}  // namespace quorvane::hints
