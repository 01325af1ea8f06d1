#pragma once
// The keystroke watcher's key table as a step function: a key event, the
// watcher's state and what the desktop reports about the key decide what
// happens and whether the editor still sees the key.
#include "platform/keyboard_hook.h"

namespace quorvane::hints {

// The state the key table reads.
struct WatcherState {
    bool hintsEnabled = false;
    bool autoSemicolon = false;
    bool popupShown = false;
    int pageNumber = 1;
};

// What the desktop reports at the moment of a key. Asked only when the key
// needs the answer: some answers take a round trip to another program.
class KeyFacts {
public:
    // The target editor has the keyboard focus.
    virtual bool inTarget() = 0;
    virtual bool held(int virtualKey) = 0;
    // The target's input method composes: letters, Space and digits are its own.
    virtual bool inputMethodComposes() = 0;

protected:
    ~KeyFacts() = default;
};

enum class KeyAction {
    None,
    TypeSemicolon,
    CollectLetter,  // the letter is the key's virtual-key code, "A" to "Z"
    AcceptRow,
    HideHints,
    PageUp,
    PageDown,
};

struct KeyDecision {
    KeyAction action = KeyAction::None;
    // AcceptRow: the row of the page, 1 for its first.
    int row = 0;
    KeyVerdict verdict = KeyVerdict::Pass;
    friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

KeyDecision decideKey(const KeyEvent& event, const WatcherState& state, KeyFacts& facts);

}  // namespace quorvane::hints
