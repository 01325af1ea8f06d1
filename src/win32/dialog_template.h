#pragma once
// Modal dialogs built in code: an in-memory dialog template run by the
// system's dialog manager, which gives Tab order, Enter for the default
// button, Esc and the close box as IDCANCEL, and a disabled owner for free.
// Controls are laid out in pixels once the dialog has its outer size, so a
// dialog's size is exact whatever font its owner hands over.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace quorvane::win32 {

enum class ControlKind { Label, Edit, DropDownList, CheckBox, RadioButton, Button, DefaultButton };

// Created in list order, which is also the Tab order. A run of radio
// buttons forms one group.
struct DialogControl {
    ControlKind kind;
    int id;
    std::wstring text;
};

// Puts controls at pixel positions in the client area, measuring texts in
// the dialog's font.
class DialogPlacer {
public:
    DialogPlacer(HWND dialog, HFONT font);
    ~DialogPlacer();
    DialogPlacer(const DialogPlacer&) = delete;
    DialogPlacer& operator=(const DialogPlacer&) = delete;

    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    int textHeight() const { return textHeight_; }
    // Height of a single-line edit box or a closed drop-down list.
    int fieldHeight() const { return textHeight_ + 8; }
    int textWidth(std::wstring_view text) const;
    // Width a check box or radio button needs for its own text.
    int choiceWidth(int id) const;
    int labelWidth(int id) const;

    void place(int id, int x, int y, int width, int height) const;
    // A label of its text's width, vertically centred on a field row.
    void placeLabel(int id, int x, int rowY) const;
    // A check box or radio button of its text's width, centred on a row.
    void placeChoice(int id, int x, int rowY) const;

private:
    std::wstring textOf(int id) const;

    HWND dialog_;
    HDC dc_;
    HGDIOBJ previousFont_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int textHeight_ = 0;
};

struct ModalDialog {
    std::wstring caption;
    int outerWidth = 0;
    int outerHeight = 0;
    std::vector<DialogControl> controls;
    std::function<void(const DialogPlacer&)> layout;
    // Fills the controls once they exist.
    std::function<void(HWND)> init;
    // Reads the fields on OK, while the controls still exist.
    std::function<void(HWND)> accept;
};

// Shows the dialog modally over `owner`; true when it closed with OK.
bool runModalDialog(HWND owner, HFONT font, const ModalDialog& dialog);

// Field access for init and accept.
std::wstring controlText(HWND dialog, int id);
bool isChecked(HWND dialog, int id);

}  // namespace quorvane::win32
