#include "hints/keystroke_watcher.h"

#include "platform/desktop.h"

namespace quorvane::hints {
namespace {

bool isLetter(int key) {
    return key >= 'A' && key <= 'Z';
}
// Digits of the main keyboard only: the keypad's have codes of their own.
bool isDigit(int key) {
    return key >= '0' && key <= '9';
}
bool isListKey(int key) {
    return isDigit(key) || key == vk::Space || key == vk::Escape || key == vk::PageUp || key == vk::PageDown;
}

}  // namespace

KeyDecision decideKey(const KeyEvent& event, const WatcherState& state, KeyFacts& facts) {
    const KeyDecision pass;
    // Releases, keys pressed with Alt and the program's own keys never act.
    if (event.kind != KeyKind::Down || event.ours) return pass;
    // The focus test comes after the cheap ones, so that most keys are
    // settled without asking the desktop.
    const int key = event.virtualKey;
    if (key == vk::Enter) {
        if (!state.autoSemicolon || facts.held(vk::Shift) || !facts.inTarget()) return pass;
        // The Enter goes again, behind the ";", once the ";" is in.
        return {KeyAction::TypeSemicolon, 0, KeyVerdict::Swallow};
    }
    if (isLetter(key)) {
        if (!state.hintsEnabled || facts.held(vk::Control) || !facts.inTarget()) return pass;
        // A letter typed into a composing input method ends the word being hinted.
        if (facts.inputMethodComposes()) return state.popupShown ? KeyDecision{KeyAction::HideHints} : pass;
        return {KeyAction::CollectLetter};
    }

    if (!isListKey(key) || !state.popupShown || !facts.inTarget()) return pass;
    // Space, digits, Esc and the page keys work the input method's own list then.
    if (facts.inputMethodComposes()) return {KeyAction::HideHints};
    if (isDigit(key) || key == vk::Space) {
        // With Shift a digit is a symbol ("(" is Shift+9), and Ctrl+Space
        // switches the input method: neither picks a hint.
        if (facts.held(vk::Shift) || facts.held(vk::Control)) return pass;
        return {KeyAction::AcceptRow, key == vk::Space ? 1 : key - '0' + 1, KeyVerdict::Swallow};
    }
    if (key == vk::Escape) return {KeyAction::HideHints, 0, KeyVerdict::Swallow};
    if (key == vk::PageUp) return state.pageNumber > 1 ? KeyDecision{KeyAction::PageUp} : pass;
    return {KeyAction::PageDown};
}

}  // namespace quorvane::hints
