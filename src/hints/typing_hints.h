#pragma once
// Typing hints: while the user types in the target editor, the keyboard
// hook's events collect the letters typed, the hint words that begin with
// them are listed beside the caret, and a digit, Space or a click types the
// rest of one. The automatic semicolon rides on the same hook.
#include <cstdint>
#include <string>

#include "editor_link/editor_link.h"
#include "hints/hint_lookup.h"
#include "hints/hint_popup.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/hint_popup_view.h"
#include "platform/keyboard_hook.h"
#include "platform/mouse_hook.h"
#include "platform/panel_view.h"
#include "platform/text_codec.h"
#include "settings/options.h"
#include "store/record_store.h"

namespace quorvane::hints {

// Everything of the desktop the typing hints use. All outlive TypingHints.
struct HintsPlatform {
    Desktop& desktop;
    KeyboardHook& keyboardHook;
    // Tells the mouse's input from keys the keyboard hook missed.
    MouseHook& mouseHook;
    HintPopupView& popupView;
    Clock& clock;
    const TextCodec& codec;
    PanelView& panel;
};

class TypingHints final : public HintPopupEvents {
public:
    // `cursorTrackingItem`: the command id of the menu item whose check mark
    // is the caret-tracking option.
    // `scale` is the panel's: the popup is made at it.
    TypingHints(const HintsPlatform& platform, store::RecordStore& commandDb,
                editor_link::EditorLink& editorLink, const settings::Options& options,
                int cursorTrackingItem, const DpiScale& scale);
    TypingHints(const TypingHints&) = delete;
    TypingHints& operator=(const TypingHints&) = delete;

    // Start-up and shut-down.
    void loadPopup();
    // Hints switched on: a popup whose making failed at start-up gets another chance.
    void loadPopupIfNeeded();
    void installKeyboardWatcher();
    void removeKeyboardWatcher();
    void destroyPopup();

    // The keyboard hook's call for every key event on the desktop.
    KeyVerdict onKey(const KeyEvent& event);
    // Called often (every tracking tick): puts the hook back when the system
    // has dropped it.
    void watchKeyboardHook();

    // HintPopupEvents
    void leftButtonPressed(Point canvas) override;
    void pointerMoved(Point canvas) override;
    void doubleClicked() override;

    const std::string& typedWord() const { return typedWord_; }
    bool hintPopupShown() const { return hintPopupShown_; }
    const HintPopup& popup() const { return popup_; }

private:
    class Facts;
    void lookupHints(WindowHandle target);
    void hideHints();
    void acceptHint(int row);
    void placeAtCaret(WindowHandle target);

    Desktop& desktop_;
    KeyboardHook& keyboardHook_;
    MouseHook& mouseHook_;
    Clock& clock_;
    const TextCodec& codec_;
    PanelView& panel_;
    editor_link::EditorLink& editorLink_;
    const settings::Options& options_;
    int cursorTrackingItem_;
    const DpiScale& scale_;
    HintLookup lookup_;
    HintPopup popup_;

    // Upper-case letters A to Z, one per letter key: the keys, not the characters.
    std::string typedWord_;
    bool hintPopupShown_ = false;
    // From installation to removal the hook is kept installed.
    bool watching_ = false;
    // When the hook was last called, or last installed.
    std::uint32_t lastHookCall_ = 0;
};

}  // namespace quorvane::hints
