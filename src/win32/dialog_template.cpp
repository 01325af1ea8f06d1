#include "win32/dialog_template.h"

#include <algorithm>

#include "win32/owned_windows.h"

namespace quorvane::win32 {

namespace {

// Predefined class atoms a dialog template may name instead of a string.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;

// Drop-down list height below the closed box: about a dozen entries.
constexpr int kDropDownListHeight = 220;

// Builds the variable-length DLGTEMPLATE / DLGITEMTEMPLATE records. Kept as
// 16-bit words; vector storage is suitably aligned for the DWORD fields.
class TemplateWriter {
public:
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(std::wstring_view value) {
        for (wchar_t c : value) word(static_cast<WORD>(c));
        word(0);
    }
    // Every item record starts on a DWORD boundary.
    void alignDword() {
        if (words_.size() % 2 != 0) word(0);
    }
    std::vector<WORD> take() { return std::move(words_); }

private:
    std::vector<WORD> words_;
};

struct ItemClass {
    WORD atom;
    DWORD style;
    DWORD exStyle;
};

ItemClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {kStaticAtom, SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::Edit:
            return {kEditAtom, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList:
            return {kComboBoxAtom, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::CheckBox:
            return {kButtonAtom, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::RadioButton:
            return {kButtonAtom, BS_AUTORADIOBUTTON, 0};
        case ControlKind::Button:
            return {kButtonAtom, BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::DefaultButton:
            return {kButtonAtom, BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    }
    return {kStaticAtom, 0, 0};
}

std::vector<WORD> buildTemplate(const ModalDialog& dialog) {
    TemplateWriter out;
    // No DS_SETFONT: the owner's font is given to each control instead, and
    // positions are set in pixels, so dialog units play no part.
    out.dword(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    out.dword(0);
    out.word(static_cast<WORD>(dialog.controls.size()));
    for (int i = 0; i < 4; ++i) out.word(0);  // x, y, cx, cy: set at WM_INITDIALOG
    out.word(0);                              // no menu
    out.word(0);                              // the standard dialog class
    out.text(dialog.caption);

    bool previousWasRadio = false;
    for (const auto& control : dialog.controls) {
        const ItemClass item = classOf(control.kind);
        DWORD style = WS_CHILD | WS_VISIBLE | item.style;
        // The dialog manager's arrow keys move within a group and Tab stops
        // at its first control: a run of radio buttons is one group, every
        // other control a group of its own.
        const bool isRadio = control.kind == ControlKind::RadioButton;
        if (!isRadio || !previousWasRadio) style |= WS_GROUP;
        if (isRadio && !previousWasRadio) style |= WS_TABSTOP;
        previousWasRadio = isRadio;

        out.alignDword();
        out.dword(style);
        out.dword(item.exStyle);
        for (int i = 0; i < 4; ++i) out.word(0);
        out.word(static_cast<WORD>(control.id));
        out.word(0xFFFF);
        out.word(item.atom);
        out.text(control.text);
        out.word(0);  // no creation data
    }
    return out.take();
}

struct Run {
    const ModalDialog* dialog;
    HWND owner;
    HFONT font;
};


INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            const auto* run = reinterpret_cast<const Run*>(lParam);
            placeOverOwner(dialog, run->owner, run->dialog->outerWidth, run->dialog->outerHeight);
            for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(run->font), FALSE);
            {
                DialogPlacer placer(dialog, run->font);
                if (run->dialog->layout) run->dialog->layout(placer);
            }
            if (run->dialog->init) run->dialog->init(dialog);
            return TRUE;  // focus goes to the first Tab stop
        }
        case WM_COMMAND: {
            const auto* run = reinterpret_cast<const Run*>(GetWindowLongPtrW(dialog, DWLP_USER));
            // Enter arrives as IDOK; Esc and the close box as IDCANCEL.
            switch (LOWORD(wParam)) {
                case IDOK:
                    if (run->dialog->accept) run->dialog->accept(dialog);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        }
        default:
            return FALSE;
    }
}

}  // namespace

DialogPlacer::DialogPlacer(HWND dialog, HFONT font) : dialog_(dialog), dc_(GetDC(dialog)) {
    previousFont_ = SelectObject(dc_, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    textHeight_ = metrics.tmHeight;
    RECT client{};
    GetClientRect(dialog, &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
}

DialogPlacer::~DialogPlacer() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(dialog_, dc_);
}

int DialogPlacer::textWidth(std::wstring_view text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::wstring DialogPlacer::textOf(int id) const { return controlText(dialog_, id); }

int DialogPlacer::labelWidth(int id) const { return textWidth(textOf(id)) + 2; }

int DialogPlacer::choiceWidth(int id) const {
    // The box, the gap the button leaves after it, and a little slack so
    // the text is never cut.
    return GetSystemMetrics(SM_CXMENUCHECK) + 8 + textWidth(textOf(id));
}

void DialogPlacer::place(int id, int x, int y, int width, int height) const {
    HWND control = GetDlgItem(dialog_, id);
    // A drop-down list's window height includes its dropped list; the
    // closed box takes its own height from the font.
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"ComboBox") == 0) height += kDropDownListHeight;
    MoveWindow(control, x, y, width, height, FALSE);
}

void DialogPlacer::placeLabel(int id, int x, int rowY) const {
    place(id, x, rowY + (fieldHeight() - textHeight_) / 2, labelWidth(id), textHeight_);
}

void DialogPlacer::placeChoice(int id, int x, int rowY) const {
    const int height = std::max(textHeight_, GetSystemMetrics(SM_CYMENUCHECK)) + 2;
    place(id, x, rowY + (fieldHeight() - height) / 2, choiceWidth(id), height);
}

bool runModalDialog(HWND owner, HFONT font, const ModalDialog& dialog) {
    const std::vector<WORD> dialogTemplate = buildTemplate(dialog);
    Run run{&dialog, owner, font};
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                owner, dialogProc, reinterpret_cast<LPARAM>(&run));
    return result == IDOK;
}

std::wstring controlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace quorvane::win32
